// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ring of scoring aims drawn around the cue ball: each window of
// directions that scores is an arc, coloured by how wide it is, on a dark
// track. Drawn on any painter in its own units (the window draws it in its
// logical pixels, Qt scales to the screen's pixel ratio).

#include <QColor>
#include <QPointF>

#include <vector>

#include "finder/AimMap.h"

class QPainter;
class QRegion;

struct AimRing
{
    QPointF centre;          // the cue ball's centre
    double radius = 0;       // middle of the band
    double thickness = 0;    // width of the band
    double minArcLength = 2; // an arc never drawn shorter than this, so the narrowest shows

    double Inner() const { return radius - thickness / 2; }
    double Outer() const { return radius + thickness / 2; }
};

// Narrow windows red, through orange and yellow, to wide ones green; the
// scale is logarithmic from kNarrowWindowDegrees to kWideWindowDegrees.
constexpr double kNarrowWindowDegrees = 0.05;
constexpr double kWideWindowDegrees = 5.0;
QColor AimWindowColour(double widthDegrees);

// The direction, in degrees as the finder counts them (0 to the right,
// clockwise on the screen), of point seen from the ring's centre.
double RingDirection(const AimRing& ring, QPointF point);

void DrawAimRing(QPainter& painter, const AimRing& ring, const std::vector<AimArc>& arcs);

// The band itself, as a region (for a widget's mask), in whole units and one
// unit larger on each side so that its anti-aliased edges show.
QRegion AimRingRegion(const AimRing& ring);

// The arc under point, the nearest one within the ring's minimum arc
// length when none holds it exactly; -1 when point is off the band or no
// arc is near.
int AimArcAt(const AimRing& ring, const std::vector<AimArc>& arcs, QPointF point);
