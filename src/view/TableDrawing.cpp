// SPDX-License-Identifier: GPL-3.0-or-later
// The table as the view shows it: the diagram's table at the window's layout,
// over the white band between the table and the cue widgets.

#include "render/DrawingToolkit.h"
#include "view/ViewDiagram.h"
#include "view/MirobeltView.h"

void CMirobeltView::DrawTable(CDC& dc, const TableGeometry& geometry)
{
    ComputeLayout(geometry);

    // The white area under the table, down to the band of the widgets, which
    // draw their own background. A window too low for it has none.
    const int tableBottom = m_nTableWidthPx + 2 * m_nMarginPx;
    const int underHeight = m_nDrawHeight - tableBottom - 2 - m_nDrawHeight / 10;
    if (underHeight > 0)
        dc.FillSolidRect(2, tableBottom, m_nDrawWidth, underHeight, m_crWhite);

    diagram::DrawTable(dc, DiagramOfView(*this, false));
}

void CMirobeltView::DrawTableMarks(CDC& dc, const TableGeometry&)
{
    diagram::DrawTableMarks(dc, DiagramOfView(*this, false));
}
