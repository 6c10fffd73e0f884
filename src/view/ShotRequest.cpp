// SPDX-License-Identifier: GPL-3.0-or-later
// The shot request: the set-up edited in the view becomes the document's
// shot, which is computed and, in the preview modes, drawn as three lines.

#include "platform/MessagePump.h"
#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

ShotSetup CMirobeltView::CurrentSetup() const
{
    ShotSetup setup;
    setup.force = m_dForce;
    setup.strikeHeight = m_dStrikeHeight;
    setup.strikeSide = m_dStrikeSide;
    setup.raiseAngle = m_dRaiseAngle;
    setup.strikeMode = m_dStrikeMode;
    setup.cueBall = m_nCueBall;
    setup.aimOriginX = m_aim.dOriginX;
    setup.aimOriginY = m_aim.dOriginY;
    setup.aimTargetX = m_aim.dTargetX;
    setup.aimTargetY = m_aim.dTargetY;
    for (int b = 0; b < 3; ++b)
        setup.balls[b] = BallStart{m_balls[b].x, m_balls[b].y};
    return setup;
}

// displayMode 0: redraw the table, balls and widgets, compute, draw no line.
// 1: the same, then the three trajectory lines. 2: widgets only, then the
// lines over whatever the window shows, so several shots can be overlaid.
void CMirobeltView::ComputeShot(int displayMode)
{
    m_pDoc->SetShotRequest(CurrentSetup());

    CDC* dc = AcquireWindowDC();

    if (displayMode != 2)
    {
        DrawTable(*dc, m_pDoc->m_geometry);
        DrawBalls(*dc);
    }
    DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, m_dStrikeHeight, m_dStrikeSide, m_dStrikeMode);
    DrawRaiseCursor(*dc, m_nDrawWidth, m_nDrawHeight, m_dRaiseAngle);
    DrawForceBar(*dc, m_nDrawWidth, m_nDrawHeight, m_dForce);
    m_aim.bRedraw = 1;
    m_aim.Draw(*this, *dc);

    // A computation started from the pointer gives way when the pointer moves
    // from where it is now.
    MarkPointerPosition();
    m_pDoc->RunShot();
    g_bNoMouseAbort = 0;
    m_pModel->NoteShotComputed(DrawnState().setUp);

    dc->SelectPen(TrajectoryPen(0));
    if (displayMode != 0)
    {
        for (int b = 0; b < 3; ++b)
            DrawTrajectory(*dc, b, 0);
        dc->SelectPen(&g_penSpottedBall);
    }

    ReleaseWindowDC(dc);
}

void CMirobeltView::ApplyShotSetup(const ShotSetup& setup)
{
    ModelStep step(*this, tr("l'application de la solution"));
    StopPlayLoop();
    m_bAnimating = 0;
    m_nAnimTick = 0;
    m_dForce = setup.force;
    m_dStrikeHeight = setup.strikeHeight;
    m_dStrikeSide = setup.strikeSide;
    m_dRaiseAngle = setup.raiseAngle;
    m_aim.dOriginX = setup.aimOriginX;
    m_aim.dOriginY = setup.aimOriginY;
    m_aim.dTargetX = setup.aimTargetX;
    m_aim.dTargetY = setup.aimTargetY;

    // Asked for by a command: the computation runs to its end, and Return
    // then plays these trajectories.
    g_bNoMouseAbort = 1;
    // The aids follow the new aim, the fullness strip included; the table
    // and its lines are drawn anew over them.
    CDC* dc = AcquireWindowDC();
    m_aimAid.Draw(*this, *dc, m_aim, m_nDrawWidth, m_nDrawHeight);
    ReleaseWindowDC(dc);
    ComputeShot(1);
    m_bSetupChanged = 0;
}
