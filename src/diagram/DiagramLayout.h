// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pixel layout of a table drawing: sizes of the bed, rails and balls at a
// given scale, and the mapping of table metres to pixels.

#include "sim/TableGeometry.h"

// Metres to pixels, truncated toward zero. Values from files are taken as they
// stand, so huge or non-finite products saturate instead of overflowing.
int MetresToPixel(double metres, double pixPerMetre, int originPx);

struct DiagramLayout
{
    int ballRadiusPx = 0;
    int tableLengthPx = 0;  // between the cushion noses
    int tableWidthPx = 0;
    int cushionPx = 0;
    int marginPx = 0;       // rail band and cushion
    int originPx = 0;       // pixel of a ball centre at 0 m: margin and ball radius
    double pixPerMetre = 1;

    // Table metres (ball-centre coordinates) to pixels; one scale for both axes.
    int MapX(double x) const { return MetresToPixel(x, pixPerMetre, originPx); }
    int MapY(double y) const { return MetresToPixel(y, pixPerMetre, originPx); }
    // The whole table with its rails, outer edge included.
    int TotalWidth() const { return tableLengthPx + 2 * marginPx + 1; }
    int TotalHeight() const { return tableWidthPx + 2 * marginPx + 1; }
};

// The layout of geometry drawn at metresPerPixel.
DiagramLayout LayoutTable(const TableGeometry& geometry, double metresPerPixel);
