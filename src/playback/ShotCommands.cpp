// The commands around a shot: play it (a toggle), interrupt it, and draw its
// trajectories at once.

#include "platform/MessagePump.h"
#include "render/DrawingToolkit.h"
#include "sim/ShotPhysics.h"
#include "view/MirobeltView.h"

namespace
{
// A dot every 11 units of trajectory time along the drawn path.
constexpr int kDotSpacing = 10;
}  // namespace

// The last computed trajectories serve again unless the set-up changed.
void CMirobeltView::RecomputeIfNeeded()
{
    if (m_bSetupChanged == 0)
        return;
    m_bAnimating = 0;
    m_nAnimTick = 0;
    g_bNoMouseAbort = 1;
    ComputeShot(0);
    m_bSetupChanged = 0;
}

void CMirobeltView::OnShotPlay()
{
    RecomputeIfNeeded();
    if (m_bAnimating != 0)
    {
        // Pressed during a shot: stop it where it is. The window keeps the
        // last frame and the balls keep the starting position.
        m_nAnimTick = 0;
        m_bAnimating = 0;
        m_bPlayLoop = 0;
        return;
    }
    m_bAnimating = 1;
    m_bPlayLoop = 1;
    PlayShotLoop();
    // Nothing after the loop: it may have returned because the program quits.
}

void CMirobeltView::OnShotInterrupt()
{
    m_bPlayLoop = 0;
    m_bAnimating = 0;
    m_nAnimTick = 0;

    // The animation never moves the view's balls: this shows the set-up as
    // it was before the shot.
    CDC* dc = AcquireWindowDC();
    dc->SetViewportOrg(0, 0);
    dc->SetWindowOrg(0, 0);
    DrawTable(*dc, m_pDoc->m_geometry);
    DrawBalls(*dc);
    m_aim.bRedraw = 1;
    m_aim.Draw(*this, *dc);
    ReleaseWindowDC(dc);
}

void CMirobeltView::OnShowTrajectory()
{
    RecomputeIfNeeded();

    CDC* dc = AcquireWindowDC();
    dc->SetViewportOrg(0, 0);
    dc->SetWindowOrg(0, 0);
    DrawTable(*dc, m_pDoc->m_geometry);
    DrawBalls(*dc);

    for (int b = 0; b < 3; ++b)
    {
        TrajectoryBuffer& traj = m_pDoc->m_physics.m_traj[b];
        dc->SelectPen(TrajectoryPen(b));
        if (traj.m_nCount <= 1)
            continue;
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
                dc->MoveTo(px, py);
                continue;
            }
            // The dots take whatever brush the ball drawing left selected.
            if (++dots > kDotSpacing)
            {
                dc->Ellipse(px - 2, py - 2, px + 2, py + 2);
                dots = 0;
            }
            dc->LineTo(px, py);
        }
    }
    ReleaseWindowDC(dc);
}
