// The trajectory lines of the last computed shot.

#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

void CMirobeltView::DrawTrajectory(CDC& dc, int ball, int dotSpacing)
{
    TrajectoryBuffer& traj = m_pDoc->m_physics.m_traj[ball];
    dc.SelectPen(TrajectoryPen(ball));
    if (traj.m_nCount <= 1)
        return;
    // Times 1 .. n-1: the first part of the path lies under the ball.
    const std::uint32_t count = static_cast<std::uint32_t>(traj.m_nCount);
    int dots = 0;
    for (std::uint32_t k = 1; k < count; ++k)
    {
        double x = 0;
        double y = 0;
        traj.PositionAt(k, x, y);
        const int px = MapX(x);
        const int py = MapY(y);
        if (k == 1)
        {
            dc.MoveTo(px, py);
            continue;
        }
        if (dotSpacing > 0 && ++dots > dotSpacing)
        {
            dc.Ellipse(px - 2, py - 2, px + 2, py + 2);
            dots = 0;
        }
        dc.LineTo(px, py);
    }
}
