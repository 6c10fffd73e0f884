// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

#include <cmath>

namespace
{
// Truncation toward zero of a pixel position worked out in floating point.
// The cue settings may come from files as they stand, so the value saturates.
int Pixel(double value)
{
    return MetresToPixel(value, 1.0, 0);
}

// The six graduation marks of the force bar, fractions of its inner width.
constexpr double kForceMarks[6] = {0.16, 0.23, 0.46, 0.59, 0.75, 0.9};

constexpr double kRadiansPerDegree = 0.017453292222222222;

}  // namespace

// The boxes of the strike ball, the raise ring around it and the force bar,
// in the band under the table. A widget is out of reach of the pointer until
// it is first laid out.
void CMirobeltView::LayOutWidgets()
{
    for (CWidgetRect* widget : {&m_strikeWidget, &m_raiseCursor, &m_forceBar})
        widget->nState = 0;
    const int W = m_nDrawWidth;
    const int H = m_nDrawHeight;
    {
        const int left = 5;
        const int top = H - H / 10;
        const int bottom = H - H / 40;
        m_strikeWidget.rc = WidgetRect{left, top, left + (bottom - top), bottom};
    }
    {
        const int left = 7 - H / 40;
        const int top = H - H / 10 - H / 40 + 2;
        const int bottom = H - 2;
        m_raiseCursor.rc = WidgetRect{left, top, left + (bottom - top), bottom};
    }
    {
        const int left = W / 30 + H / 10 - H / 40 + 5;
        const int top = H - H / 10;
        const int right = W - 5 > m_nTableTotalWidthPx ? m_nTableTotalWidthPx : W - 5;
        const int bottom = top + H / 40 < top + 6 ? top + 6 : top + H / 40;
        m_forceBar.rc = WidgetRect{left, top, right, bottom};
    }
}

void CMirobeltView::DrawStrikeBall(CDC& dc, int, int, double height, double side, double scale)
{
    const auto [left, top, right, bottom] = m_strikeWidget.rc;

    SelectWidgetObjects(dc);
    dc.Ellipse(left, top, right, bottom);

    // Normal mode shows an inner circle three fifths of the ball across.
    if (scale < 100)
    {
        const int e = (right - left) / 5;
        dc.Ellipse(left + e, top + e, right - e, bottom - e);
    }

    // The strike point: a black disc whose edge touches the ball's outline at
    // offsets of +-1.
    const int D = right - left;
    const int p = D / 8;
    const int X = Pixel((D * 0.5 - p) * side + (left + right) * 0.5);
    const int Y = Pixel((D * 0.5 - p) * height + (top + bottom) * 0.5);
    dc.SelectBrush(&g_brBlack);
    dc.Ellipse(X - p, Y - p, X + p, Y + p);
}

void CMirobeltView::DrawRaiseCursor(CDC& dc, int, int drawHeight, double angle)
{
    const int H = drawHeight;
    const auto [left, top, right, bottom] = m_raiseCursor.rc;
    const int cx = (left + right) / 2;
    const int cy = (top + bottom) / 2;
    const int band = H / 40 - H / 80;

    // Erase the needle drawn last.
    QPoint& lastOuter = m_raiseCursor.lastNeedleOuter;
    QPoint& lastInner = m_raiseCursor.lastNeedleInner;
    if (lastOuter.x() != 0)
    {
        dc.SelectPen(g_bColour ? &g_penWhite2 : &g_penPaper);
        dc.Line(lastOuter.x(), lastOuter.y(), lastInner.x(), lastInner.y());
    }

    // The lower-right quarter ring around the strike-point ball.
    dc.SelectPen(g_bColour ? &g_penBlack2 : &g_penLine);
    const int midX = (left + right) / 2;
    dc.Arc(left, top, right, bottom, midX, bottom, right, cy);
    dc.Arc(left + band, top + band, right - band, bottom - band, midX, bottom, right, cy);
    dc.Line(midX, bottom, midX, bottom - band);
    dc.Line(right, cy, right - band, cy);

    // The needle: 0 degrees points right (level cue), 90 straight down.
    dc.SelectPen(g_bColour ? &g_penRed2 : &g_penLine);
    const double outerRadius = (right - left) * 0.5;
    const double a = angle * kRadiansPerDegree;
    const double cosA = std::cos(a);
    const double sinA = std::sin(a);
    const QPoint outer(Pixel(cosA * outerRadius + cx), Pixel(sinA * outerRadius + cy));
    const QPoint inner(Pixel(cosA * (outerRadius - band) + cx), Pixel(sinA * (outerRadius - band) + cy));
    lastOuter = outer;
    lastInner = inner;
    dc.Line(outer.x(), outer.y(), inner.x(), inner.y());
}

void CMirobeltView::DrawForceBar(CDC& dc, int, int, double force)
{
    const auto [left, top, right, bottom] = m_forceBar.rc;

    SelectWidgetObjects(dc);
    dc.Rectangle(left, top, right, bottom);

    if (g_bColour)
        dc.SelectBrush(&g_brBlack);
    const int inner = right - left - 4;
    dc.Rectangle(left + 2, top + 2, left + 2 + Pixel(inner * force), bottom - 2);

    for (const double mark : kForceMarks)
    {
        dc.SelectBrush(mark < force ? &g_brGrey : &g_brBlack);
        const int x = left + Pixel(inner * mark);
        dc.Rectangle(x, top, x + 2, bottom);
    }
}
