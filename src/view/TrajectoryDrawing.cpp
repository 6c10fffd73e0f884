// SPDX-License-Identifier: GPL-3.0-or-later
// The trajectory lines of the last computed shot.

#include "render/DrawingToolkit.h"
#include "view/ViewDiagram.h"
#include "view/MirobeltView.h"

void CMirobeltView::DrawTrajectory(CDC& dc, int ball, int dotSpacing)
{
    diagram::DrawTrajectory(dc, LayoutOfView(*this), ShownTrajectory(m_pDoc->m_physics.m_traj[ball]),
                            TrajectoryPen(ball)->Colour(), 1, dotSpacing);
}
