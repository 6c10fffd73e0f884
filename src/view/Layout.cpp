// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

#include <limits>

// Sizes, margins and scale of the table for the current window size and table
// format. The previous layout stays in force while neither has changed.
void CMirobeltView::ComputeLayout(const TableGeometry& geometry)
{
    // The drawing width reaches 10 pixels past the client area's right edge.
    m_nDrawWidth = width() + 10;
    m_nDrawHeight = height();

    const LaidOutFor now{SetUp().tableFormat, m_nDrawWidth, m_nDrawHeight};
    if (!(now == m_laidOutFor))
    {
        m_laidOutFor = now;

        const double R = geometry.ballRadius;
        const double L = geometry.length;
        const double W = geometry.width;
        const double F = geometry.railWidth;
        const double K = geometry.cushionWidth;

        // Metres per pixel along each axis; the bottom tenth of the height is
        // kept for the cue-setting widgets. A window with no height at all
        // leaves no room for the table.
        const double sx = (L + 2 * (F + K)) / m_nDrawWidth;
        const double sy = m_nDrawHeight > 0 ? (W + 2 * (F + K)) / m_nDrawHeight * 1.1111111111111112
                                            : std::numeric_limits<double>::infinity();
        m_dMetresPerPixel = sx > sy ? sx : sy;

        const DiagramLayout layout = LayoutTable(geometry, m_dMetresPerPixel);
        m_nBallRadiusPx = layout.ballRadiusPx;
        m_nTableLengthPx = layout.tableLengthPx;
        m_nTableWidthPx = layout.tableWidthPx;
        m_nCushionPx = layout.cushionPx;
        m_nMarginPx = layout.marginPx;
        m_nOriginPx = layout.originPx;
        m_dPixPerMetreX = layout.pixPerMetre;

        m_dBallRadius = R;
        m_dCentreMinX = 0;
        m_dCentreMinY = 0;
        m_dCentreMaxX = L - 2 * R;
        m_dCentreMaxY = W - 2 * R;

        // A table shrunk to nothing has no scale: every pointer position then
        // maps onto the corner (0, 0), which no ball or marker may take, so
        // pointer input is refused instead of turning into infinities.
        m_dMetrePerPixX = m_dPixPerMetreX > 0 ? 1 / m_dPixPerMetreX : 0.0;
    }

    m_nTableTotalWidthPx = m_nTableLengthPx + 2 * m_nMarginPx + 1;
    LayOutWidgets();
}

int CMirobeltView::MapX(double x) const
{
    return MetresToPixel(x, m_dPixPerMetreX, m_nOriginPx);
}

int CMirobeltView::MapY(double y) const
{
    // The horizontal scale serves both axes.
    return MetresToPixel(y, m_dPixPerMetreX, m_nOriginPx);
}

double CMirobeltView::PixelToTableX(int px) const
{
    return (static_cast<double>(px) - m_nOriginPx) * m_dMetrePerPixX;
}

double CMirobeltView::PixelToTableY(int py) const
{
    return (static_cast<double>(py) - m_nOriginPx) * m_dMetrePerPixX;
}
