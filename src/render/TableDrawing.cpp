#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

#include <QPoint>

namespace
{
// Open three-sided box: the four corners joined in order, not closed.
void OpenBox(CDC& dc, int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3)
{
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
    dc.LineTo(x2, y2);
    dc.LineTo(x3, y3);
}

void ClosedOutline(CDC& dc, int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3)
{
    const QPoint points[4] = {QPoint(x0, y0), QPoint(x1, y1), QPoint(x2, y2), QPoint(x3, y3)};
    dc.Polygon(points, 4);
}

void Sight(CDC& dc, int x, int y, int radius)
{
    dc.Ellipse(x - radius, y - radius, x + radius, y + radius);
}
}  // namespace

void CMirobeltView::DrawTable(CDC& dc, const TableGeometry& geometry)
{
    ComputeLayout(geometry);

    const int m = m_nMarginPx;
    const int K = m_nCushionPx;
    const int c = m - K;  // rail band
    const int Lp = m_nTableLengthPx;
    const int Wp = m_nTableWidthPx;
    const int H = m_nDrawHeight;

    // Rail band: top, left, right, bottom.
    dc.FillSolidRect(0, 0, Lp + 2 * m + 1, m, m_crRail);
    dc.FillSolidRect(0, m - 1, m, Wp + m + 1, m_crRail);
    dc.FillSolidRect(m + Lp, m, m + 1, m + Wp, m_crRail);
    dc.FillSolidRect(m - 1, m + Wp, Lp + 1, m, m_crRail);

    // Cloth over the cushions and the bed.
    dc.FillSolidRect(c - 1, c - 1, Lp + 2 * K + 1, Wp + 2 * K + 1, m_crCloth);

    // The white area under the table, down to the band of the widgets, which
    // draw their own background. A window too low for it has none.
    const int underHeight = H - Wp - 2 * m - 2 - H / 10;
    if (underHeight > 0)
        dc.FillSolidRect(2, Wp + 2 * m, m_nDrawWidth, underHeight, m_crWhite);

    for (CMarker& marker : m_markers)
        marker.Draw(*this, dc, 0);

    DrawTableMarks(dc, geometry);

    // Outer edge, cushion nose, back of the cushions, corner mitres.
    dc.SelectPen(&g_penLine);
    ClosedOutline(dc, 0, 0, Lp + 2 * m, 0, Lp + 2 * m, Wp + 2 * m, 0, Wp + 2 * m);
    ClosedOutline(dc, m - 1, m - 1, m + Lp, m - 1, m + Lp, m + Wp, m - 1, m + Wp);
    ClosedOutline(dc, c - 1, c - 1, m + K + Lp, c - 1, m + K + Lp, m + K + Wp, c - 1, m + K + Wp);
    dc.Line(m - 1, m - 1, c - 1, c - 1);
    dc.Line(m + Lp, m - 1, m + K + Lp, c - 1);
    dc.Line(m + Lp, m + Wp, m + K + Lp, m + K + Wp);
    dc.Line(m - 1, m + Wp, c - 1, m + K + Wp);

    // Sights on the middle line of the rail band.
    dc.SelectPen(&g_penWhite);
    dc.SelectBrush(&g_brSight);
    int rd = c / 8;
    if (rd < 1)
        rd = 1;
    const int topRail = c / 2;
    const int bottomRail = 2 * m - c / 2 + Wp;
    const int leftRail = c / 2;
    const int rightRail = 2 * m - c / 2 + Lp;
    const bool halfTable = g_nTableFormat == 0;

    const int longStep = Lp / 8;
    for (int i = 1; i <= 7; ++i)
    {
        if (halfTable && i % 2 != 0)
            continue;  // the half table has sights at 2, 4 and 6 eighths only
        const int x = m + i * longStep;
        Sight(dc, x, topRail, rd);
        Sight(dc, x, bottomRail, rd);
    }

    const int shortStep = Wp / 4;
    for (int i = 1; i <= 3; ++i)
    {
        if (halfTable && i != 2)
            continue;  // one sight in the middle of each short rail
        const int y = m + i * shortStep;
        Sight(dc, leftRail, y, rd);
        Sight(dc, rightRail, y, rd);
    }

    g_nShownPosition = m_nCurPosition + 1;
    g_nShownPositionCount = m_nPositionCount;
}

void CMirobeltView::DrawTableMarks(CDC& dc, const TableGeometry&)
{
    const int m = m_nMarginPx;
    const int Lp = m_nTableLengthPx;
    const int Wp = m_nTableWidthPx;

    // 0.08 m (anchor half-size) and 0.1825 m (spot offset) in pixels at the
    // present scale.
    const int a = MetresToPixel(0.08, m_dPixPerMetreX, m_nOriginPx) - m_nOriginPx;
    const int d = MetresToPixel(0.1825, m_dPixPerMetreX, m_nOriginPx) - m_nOriginPx;

    const int q = Wp / 2 + m - 1;
    const int q3 = (3 * Wp) / 2 + m - 1;
    const int t = Wp / 3 + m - 1;

    dc.SelectPen(&g_penLine);

    if (g_nTableFormat > 0)
    {
        DrawSpot(dc, q, q);
        DrawSpot(dc, m + Wp + 1, q);
        DrawSpot(dc, q3, q);
        DrawSpot(dc, q3, q + d);
        DrawSpot(dc, q3, q - d);
    }

    // Anchor boxes against each cushion nose, 2a deep and 2a wide.
    auto leftAnchor = [&](int y) { OpenBox(dc, m - 1, y - a, m + 2 * a - 1, y - a, m + 2 * a - 1, y + a, m - 1, y + a); };
    auto rightAnchor = [&](int y)
    { OpenBox(dc, m + Lp, y - a, m + Lp - 2 * a, y - a, m + Lp - 2 * a, y + a, m + Lp, y + a); };
    auto topAnchor = [&](int x) { OpenBox(dc, x + a, m - 1, x + a, m + 2 * a - 1, x - a, m + 2 * a - 1, x - a, m - 1); };
    auto bottomAnchor = [&](int x)
    { OpenBox(dc, x + a, m + Wp, x + a, m + Wp - 2 * a, x - a, m + Wp - 2 * a, x - a, m + Wp); };

    switch (m_nFrameStyle)
    {
    case 1:
    {
        // The 47 frame: lines a third of the width from each cushion.
        const int far = Lp - (Wp + 1) / 3 + m;
        const int lowAnchor = Wp - (Wp + 1) / 3 + m;
        dc.Line(m - 1, t, m + Lp, t);
        dc.Line(m - 1, (2 * Wp + 2) / 3 + m, m + Lp, (2 * Wp + 2) / 3 + m);
        dc.Line(t, m - 1, t, m + Wp);
        dc.Line(far, m - 1, far, m + Wp);
        leftAnchor(t);
        leftAnchor(lowAnchor);
        rightAnchor(t);
        rightAnchor(lowAnchor);
        topAnchor(t);
        topAnchor(far);
        bottomAnchor(t);
        bottomAnchor(far);
        break;
    }
    case 2:
    {
        // The 71/2 frame: the long axis and the lines a quarter of the length
        // from each short cushion.
        const int far = Lp - (Wp + 1) / 2 + m;
        dc.Line(m - 1, q, m + Lp, q);
        dc.Line(q, m - 1, q, m + Wp);
        dc.Line(far, m - 1, far, m + Wp);
        leftAnchor(q);
        rightAnchor(q);
        topAnchor(q);
        topAnchor(q3);
        bottomAnchor(q);
        bottomAnchor(q3);
        break;
    }
    case 3:
        // Big corners.
        dc.Line(Lp / 4 + m - 1, m - 1, m - 1, Wp / 4 + m);
        dc.Line(Lp - Lp / 4 + m, m - 1, Lp + m, Wp / 4 + m);
        dc.Line(Lp / 4 + m - 1, m + Wp, m - 1, m + Wp - Wp / 4);
        dc.Line(Lp - Lp / 4 + m, m + Wp, Lp + m, m + Wp - Wp / 4);
        break;
    case 4:
        // Spot-to-spot grid of squares a quarter of the width across.
        for (int i = 0; i <= 7; ++i)
        {
            const int x = (i * Wp) / 4 + m - 1;
            dc.Line(x, m - 1, x, m + Wp);
        }
        for (int i = 0; i <= 3; ++i)
        {
            const int y = (i * Wp) / 4 + m - 1;
            dc.Line(m - 1, y, m + Lp, y);
        }
        break;
    default:
        break;
    }
}

void CMirobeltView::DrawSpot(CDC& dc, int x, int y)
{
    ClosedOutline(dc, x - 2, y, x, y + 2, x + 2, y, x, y - 2);
}
