// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/AimMapRing.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

QRectF CircleRect(QPointF centre, double radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

// How far, in degrees, direction lies outside arc (0 inside it).
double DegreesOutside(const AimArc& arc, double direction)
{
    double offset = std::fmod(direction - arc.startDegrees, 360.0);
    if (offset < 0)
        offset += 360;
    const double width = arc.endDegrees - arc.startDegrees;
    if (offset <= width)
        return 0;
    return std::min(offset - width, 360 - offset);
}

}  // namespace

QColor AimWindowColour(double widthDegrees)
{
    const double low = std::log(kNarrowWindowDegrees);
    const double high = std::log(kWideWindowDegrees);
    const double at = std::log(std::max(widthDegrees, kNarrowWindowDegrees));
    const double share = std::clamp((at - low) / (high - low), 0.0, 1.0);
    // Hue 0 (red) to 120 degrees (green).
    return QColor::fromHsvF(static_cast<float>(share / 3), 1.0f, 1.0f).toRgb();
}

double RingDirection(const AimRing& ring, QPointF point)
{
    const double degrees = std::atan2(point.y() - ring.centre.y(), point.x() - ring.centre.x()) * kDegreesPerRadian;
    return degrees < 0 ? degrees + 360 : degrees;
}

void DrawAimRing(QPainter& painter, const AimRing& ring, const std::vector<AimArc>& arcs)
{
    if (ring.radius <= 0 || ring.thickness <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // The dark track says where the ring is, scoring or not.
    painter.setPen(QPen(QColor(0, 0, 0, 110), ring.thickness + 2));
    painter.drawEllipse(ring.centre, ring.radius, ring.radius);

    const QRectF circle = CircleRect(ring.centre, ring.radius);
    const double minDegrees = ring.minArcLength / ring.radius * kDegreesPerRadian;
    for (const AimArc& arc : arcs)
    {
        const double width = arc.endDegrees - arc.startDegrees;
        const double drawn = std::max(width, minDegrees);
        const double start = arc.startDegrees - (drawn - width) / 2;
        // Qt counts angles anticlockwise on the screen, the finder clockwise.
        QPainterPath path;
        path.arcMoveTo(circle, -start);
        path.arcTo(circle, -start, -drawn);
        painter.strokePath(path, QPen(AimWindowColour(arc.widthDegrees), ring.thickness, Qt::SolidLine, Qt::FlatCap));
    }
    painter.restore();
}

QRegion AimRingRegion(const AimRing& ring)
{
    if (ring.radius <= 0 || ring.thickness <= 0)
        return {};
    const auto disc = [&](double radius) {
        return QRegion(CircleRect(ring.centre, radius).toAlignedRect(), QRegion::Ellipse);
    };
    return disc(ring.Outer() + 2) - disc(std::max(ring.Inner() - 2, 0.0));
}

int AimArcAt(const AimRing& ring, const std::vector<AimArc>& arcs, QPointF point)
{
    const double distance = std::hypot(point.x() - ring.centre.x(), point.y() - ring.centre.y());
    if (ring.radius <= 0 || distance < ring.Inner() - 2 || distance > ring.Outer() + 2)
        return -1;
    const double direction = RingDirection(ring, point);
    const double reachDegrees = ring.minArcLength / ring.radius * kDegreesPerRadian;
    int nearest = -1;
    double nearestOutside = reachDegrees;
    for (std::size_t k = 0; k < arcs.size(); ++k)
    {
        const double outside = DegreesOutside(arcs[k], direction);
        if (outside <= nearestOutside)
        {
            nearest = static_cast<int>(k);
            nearestOutside = outside;
            if (outside == 0)
                break;
        }
    }
    return nearest;
}
