// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/DiagramLayout.h"

#include <cmath>

int MetresToPixel(double metres, double pixPerMetre, int originPx)
{
    const double value = metres * pixPerMetre + originPx;
    // Far beyond any window, yet small enough that pixel arithmetic on it
    // (radii, 26x extensions of the aim line) cannot overflow.
    constexpr double kLimit = 1 << 24;
    if (std::isnan(value))
        return 0;
    if (value >= kLimit)
        return static_cast<int>(kLimit);
    if (value <= -kLimit)
        return -static_cast<int>(kLimit);
    return static_cast<int>(value);  // truncation toward zero
}

namespace
{
// Whole pixels of a length already divided by the scale, truncated toward
// zero; saturates like every other metres-to-pixel conversion.
int WholePixels(double pixels)
{
    return MetresToPixel(pixels, 1.0, 0);
}
}  // namespace

DiagramLayout LayoutTable(const TableGeometry& geometry, double metresPerPixel)
{
    const double s = metresPerPixel;
    const double R = geometry.ballRadius;
    const double L = geometry.length;

    DiagramLayout layout;
    layout.ballRadiusPx = WholePixels(R / s);
    layout.tableLengthPx = WholePixels(L / s);
    layout.tableWidthPx = WholePixels(geometry.width / s);
    const int railPx = WholePixels(geometry.railWidth / s);
    layout.cushionPx = WholePixels(geometry.cushionWidth / s);
    layout.marginPx = railPx + layout.cushionPx;
    layout.originPx = layout.marginPx + layout.ballRadiusPx;
    layout.pixPerMetre = (layout.tableLengthPx - 2 * layout.ballRadiusPx) / (L - 2 * R);
    return layout;
}
