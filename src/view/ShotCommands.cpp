// SPDX-License-Identifier: GPL-3.0-or-later
// The commands around a shot: play it (a toggle), interrupt it, and draw its
// trajectories at once.

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
        StopPlayLoop();
        return;
    }
    m_bAnimating = 1;
    m_bPlayLoop = 1;
    m_playback.NextFrameIn(0);
}

void CMirobeltView::OnShotInterrupt()
{
    StopPlayLoop();
    m_bAnimating = 0;
    m_nAnimTick = 0;

    // The animation never moves the view's balls: this shows the set-up as
    // it was before the shot.
    CDC* dc = AcquireWindowDC();
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
    DrawTable(*dc, m_pDoc->m_geometry);
    DrawBalls(*dc);

    // The dots take whatever brush the ball drawing left selected.
    for (int b = 0; b < 3; ++b)
        DrawTrajectory(*dc, b, kDotSpacing);
    ReleaseWindowDC(dc);
}
