// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DrawingToolkit.h"
#include "view/ViewDiagram.h"
#include "view/MirobeltView.h"

namespace
{
// A ball or marker standing exactly on (0, 0) is absent: neither drawn nor erased.
bool IsAbsent(double x, double y)
{
    return x == 0.0 && y == 0.0;
}

// Repaints the table marks around the ball's disc at (px, py) and selects the
// erase objects. Marks lying under the disc come back with the next whole
// table drawing.
void PrepareBallErase(CMirobeltView& view, CDC& dc, int px, int py, int r)
{
    dc.XorClipEllipse(px - r - 1, py - r - 1, px + r + 1, py + r + 1);
    view.DrawTableMarks(dc, view.GetDocument()->m_geometry);
    dc.RemoveClip();
    SelectEraseObjects(dc);
}

int MarkerHalfSize(const CMirobeltView& view)
{
    return diagram::MarkerHalfSize(LayoutOfView(view));
}
}  // namespace

void CViewBall::Draw(CMirobeltView& view, CDC& dc, const BallPlace& at, int bErase)
{
    if (IsAbsent(at.x, at.y))
        return;
    const int px = view.MapX(at.x);
    const int py = view.MapY(at.y);
    const int r = view.m_nBallRadiusPx;

    if (!bErase)
    {
        diagram::DrawBall(dc, LayoutOfView(view), DiagramBall{at.x, at.y, pPen->Colour(), pBrush->Colour()}, 1);
        return;
    }

    PrepareBallErase(view, dc, px, py, r);
    dc.Rectangle(px - r, py - r, px + r, py + r);
}

void CViewBall::EraseDisc(CMirobeltView& view, CDC& dc, const BallPlace& at)
{
    // The new place is stored by the caller once the old disc is gone.
    if (IsAbsent(at.x, at.y))
        return;
    const int px = view.MapX(at.x);
    const int py = view.MapY(at.y);
    const int r = view.m_nBallRadiusPx;

    PrepareBallErase(view, dc, px, py, r);
    dc.Ellipse(px - r, py - r, px + r, py + r);
}

void CMarker::Draw(CMirobeltView& view, CDC& dc, int bErase)
{
    if (!g_bShowMarkers || IsAbsent(x, y))
        return;
    const int px = view.MapX(x);
    const int py = view.MapY(y);
    const int s = MarkerHalfSize(view);

    if (!bErase)
    {
        diagram::DrawMarker(dc, LayoutOfView(view), DiagramMarker{x, y, false, pPen->Colour(), pBrush->Colour()}, 1);
        return;
    }
    SelectEraseObjects(dc);
    dc.Rectangle(px - s, py - s, px + s, py + s);
}

void CMarker::Erase(CMirobeltView& view, CDC& dc, double, double)
{
    if (!g_bShowMarkers || IsAbsent(x, y))
        return;
    const int px = view.MapX(x);
    const int py = view.MapY(y);
    const int s = MarkerHalfSize(view);

    SelectEraseObjects(dc);
    dc.Rectangle(px - s, py - s, px + s, py + s);

    // Repaint the table inside the marker's square: rails, cloth, lines and
    // the other markers, all but this one.
    dc.SetClipRect(px - s, py - s, px + s, py + s);
    TableDiagram table = DiagramOfView(view, false);
    table.markers[static_cast<std::size_t>(this - view.m_markers)].hidden = true;
    diagram::DrawTable(dc, table);
    dc.RemoveClip();
}
