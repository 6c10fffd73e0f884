// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DrawingToolkit.h"

#include <cmath>
#include <limits>

CPen g_penWhite;
CPen g_penRedBall;
CPen g_penSpottedBall;
CPen g_penBlack;
CPen g_penBlack2;
CPen g_penRed2;
CPen g_penWhite2;
CPen g_penCloth;
CPen g_penAim;
CPen g_penPaper;
CPen g_penLine;
CPen g_penGhostErase;

CBrush g_brSight;
CBrush g_brBlack;
CBrush g_brGrey;
CBrush g_brCloth;
CBrush g_brWhiteBall;
CBrush g_brRedBall;
CBrush g_brSpottedBall;
CBrush g_brPaper;
CBrush g_brMarker;

std::int32_t g_bColour = 1;
std::int32_t g_bShowMarkers = 0;

std::int32_t s_nWindowDCCount = 0;
CDC* s_pWindowDC = nullptr;

void CreateDrawingObjects()
{
    // The pens and brushes live as long as the process; creating them again
    // (a second view in tests) gives the same objects.
    g_penWhite = CPen(1, kWhiteColour);
    g_penRedBall = CPen(1, kRedBallColour);
    g_penSpottedBall = CPen(1, kSpottedBallColour);
    g_penBlack = CPen(1, kBlackColour);
    g_penBlack2 = CPen(2, kBlackColour);
    g_penRed2 = CPen(2, RGB(255, 0, 0));
    g_penWhite2 = CPen(2, kWhiteColour);
    g_penCloth = CPen(1, kClothColour);
    g_penAim = CPen(1, kAimLineColour);
    g_penPaper = CPen(1, kWhiteColour);
    g_penLine = CPen(1, kBlackColour);
    g_penGhostErase = CPen(1, kClothColour);

    g_brSight = CBrush(kSightColour);
    g_brBlack = CBrush(kBlackColour);
    g_brGrey = CBrush(kGreyColour);
    g_brCloth = CBrush(kClothColour);
    g_brWhiteBall = CBrush(kWhiteColour);
    g_brRedBall = CBrush(kRedBallColour);
    g_brSpottedBall = CBrush(kSpottedBallColour);
    g_brPaper = CBrush(kWhiteColour);
    g_brMarker = CBrush(kMarkerColour);
}

const CPen* TrajectoryPen(int ball)
{
    if (g_bColour == 0)
        return &g_penLine;
    switch (ball)
    {
    case 0: return &g_penWhite;
    case 1: return &g_penRedBall;
    default: return &g_penSpottedBall;
    }
}

void SelectEraseObjects(CDC& dc)
{
    if (g_bColour)
    {
        dc.SelectPen(&g_penCloth);
        dc.SelectBrush(&g_brCloth);
    }
    else
    {
        dc.SelectPen(&g_penPaper);
        dc.SelectBrush(&g_brPaper);
    }
}

void SelectWidgetObjects(CDC& dc)
{
    if (g_bColour)
    {
        dc.SelectPen(&g_penBlack);
        dc.SelectBrush(&g_brGrey);
    }
    else
    {
        dc.SelectPen(&g_penLine);
        dc.SelectBrush(&g_brPaper);
    }
}

void ResetDrawingState()
{
    g_bColour = 1;
    g_bShowMarkers = 0;
}
