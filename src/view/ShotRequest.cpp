// SPDX-License-Identifier: GPL-3.0-or-later
// The shot request: the set-up edited in the view becomes the document's
// shot, which is computed and, in the preview modes, drawn as three lines.

#include "platform/MessagePump.h"
#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

// displayMode 0: redraw the table, balls and widgets, compute, draw no line.
// 1: the same, then the three trajectory lines. 2: widgets only, then the
// lines over whatever the window shows, so several shots can be overlaid.
void CMirobeltView::ComputeShot(int displayMode)
{
    m_pDoc->SetShotRequest(SetUp().ToShotSetup());

    CDC* dc = AcquireWindowDC();

    if (displayMode != 2)
    {
        DrawTable(*dc, m_pDoc->m_geometry);
        DrawBalls(*dc);
    }
    const TableSetUp& setUp = SetUp();
    DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, setUp.strikeHeight, setUp.strikeSide, setUp.strikeMode);
    DrawRaiseCursor(*dc, m_nDrawWidth, m_nDrawHeight, setUp.raiseAngle);
    DrawForceBar(*dc, m_nDrawWidth, m_nDrawHeight, setUp.force);
    m_aim.bRedraw = 1;
    m_aim.Draw(*this, *dc);

    // A computation started from the pointer gives way when the pointer moves
    // from where it is now.
    MarkPointerPosition();
    m_pDoc->RunShot();
    g_bNoMouseAbort = 0;
    m_pModel->NoteShotComputed(SetUp());

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
    TableSetUp& edited = EditSetUp();
    edited.force = setup.force;
    edited.strikeHeight = setup.strikeHeight;
    edited.strikeSide = setup.strikeSide;
    edited.raiseAngle = setup.raiseAngle;
    edited.aim = {setup.aimOriginX, setup.aimOriginY, setup.aimTargetX, setup.aimTargetY};

    // Asked for by a command: the computation runs to its end, and Return
    // then plays these trajectories.
    g_bNoMouseAbort = 1;
    // The aids follow the new aim, the fullness strip included; the table
    // and its lines are drawn anew over them.
    CDC* dc = AcquireWindowDC();
    m_aimAid.Draw(*this, *dc, SetUp().aim, m_nDrawWidth, m_nDrawHeight);
    ReleaseWindowDC(dc);
    ComputeShot(1);
    m_bSetupChanged = 0;
    // Over the lines, the aids as dragging the aim draws them.
    dc = AcquireWindowDC();
    m_aimAid.Draw(*this, *dc, SetUp().aim, m_nDrawWidth, m_nDrawHeight);
    ReleaseWindowDC(dc);
}
