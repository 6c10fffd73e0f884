// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exercise sheets: a multi-page PDF of a position and the shots that score
// from it. The first page shows the position alone with the game; then come
// two solutions a page, each a diagram with its rank, window, stroke and way of
// scoring beside it.

#include <QByteArray>

#include <string>
#include <vector>

#include "diagram/ShotDiagram.h"
#include "diagram/StrokeText.h"
#include "sim/MirobeltDoc.h"

struct SheetSolution
{
    int rank = 1;
    StrokeValues stroke;
    double windowDegrees = 0;
    int firstBall = -1;          // 0 white, 1 red, 2 spotted
    std::string cushionLetters;  // the cue ball's cushions before the second ball
    ComputedShot shot;           // trajectories and contacts of the exact computation
};

struct ExerciseSheet
{
    std::string title;      // the position's name (UTF-8)
    std::string gameTitle;  // "Trois bandes" (UTF-8)
    TableGeometry geometry;
    int tableFormat = 2;
    ShotSetup position;     // the balls and the cue ball
    std::vector<SheetSolution> solutions;
    PathWidth pathWidth = PathWidth::Normal;
    bool colour = true;
};

// Pages of a sheet of solutionCount solutions: the position, then two a page.
int SheetPageCount(int solutionCount);

// The PDF's bytes.
QByteArray RenderExerciseSheet(const ExerciseSheet& sheet);

// Writes the sheet to path as a whole new file; false when it cannot.
bool WriteExerciseSheet(const ExerciseSheet& sheet, const std::string& path);
