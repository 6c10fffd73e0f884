// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The process-wide pens and brushes, the display switches and the layout
// cache shared by all drawing of the table view.

#include <QPoint>

#include <cstdint>

#include "diagram/TableDiagram.h"  // colours and MetresToPixel
#include "platform/Gdi.h"

extern CPen g_penWhite;
extern CPen g_penRedBall;
extern CPen g_penSpottedBall;
extern CPen g_penBlack;
extern CPen g_penBlack2;
extern CPen g_penRed2;
extern CPen g_penWhite2;
extern CPen g_penCloth;
extern CPen g_penAim;
extern CPen g_penPaper;
extern CPen g_penLine;
extern CPen g_penGhostErase;

extern CBrush g_brSight;
extern CBrush g_brBlack;
extern CBrush g_brGrey;
extern CBrush g_brCloth;
extern CBrush g_brWhiteBall;
extern CBrush g_brRedBall;
extern CBrush g_brSpottedBall;
extern CBrush g_brPaper;
extern CBrush g_brMarker;

// Pen of a ball's trajectory line (0 white, 1 red, 2 spotted): the ball's
// own outline colour, or black in monochrome.
const CPen* TrajectoryPen(int ball);

// Pen and brush that paint the background of the table in the present mode.
void SelectEraseObjects(CDC& dc);
// Outline and background of the cue widgets and the fullness strip.
void SelectWidgetObjects(CDC& dc);

// Creates the pens and brushes once (the view's constructor calls it).
void CreateDrawingObjects();

extern std::int32_t g_bColour;        // 1 colour, 0 monochrome
extern std::int32_t g_bShowMarkers;   // markers drawn and draggable


// The held window drawing context.
extern std::int32_t s_nWindowDCCount;
extern CDC* s_pWindowDC;


// Resets every program-wide drawing word to its start value (tests).
void ResetDrawingState();
