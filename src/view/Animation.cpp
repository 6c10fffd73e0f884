// SPDX-License-Identifier: GPL-3.0-or-later
// Shot animation: the computed trajectories played back on the table from a
// frame timer, each frame composed off screen. The first
// frame of a shot copies the whole table to the window; the next ones copy
// only the boxes of the balls: where they are now, where they were erased, and
// where the frame before erased them (the marks there come back).

#include "view/Animation.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>

#include "platform/MessagePump.h"
#include "render/DrawingToolkit.h"
#include "sim/ShotPhysics.h"
#include "view/MirobeltView.h"

namespace
{
// At most one frame per 5 ms; one unit of trajectory time per 2 ms.
constexpr std::uint64_t kFrameSpacingMs = 5;

// Kept for the whole process: the back buffer survives from one shot to the
// next, the balls are what the frames move and draw.
struct AnimationState
{
    CMemoryDC backBuffer;
    CViewBall balls[3];  // white, red, spotted
    BallPlace places[3];
    bool tableSizeKnown = false;
    std::int32_t lastTableLengthPx = 0;
    std::int32_t lastTableWidthPx = 0;
    std::uint64_t startTime = 0;
    std::uint64_t lastStepTime = 0;  // 0: no step yet
    bool frameDrawn = false;         // the last step drew a frame
    // The window's picture as the last frame left it; another key means
    // something else drew on it since.
    qint64 pictureKey = 0;
    // Each ball's box erased by the previous frame: the table marks under it
    // come back in this frame.
    QRect erasedBefore[3];
};

void ReleaseBackBufferContext();

AnimationState& Anim()
{
    static AnimationState state;
    static const bool cleanupRegistered = [] {
        // The painter of a stopped shot's back buffer ends with the application.
        qAddPostRoutine(&ReleaseBackBufferContext);
        return true;
    }();
    (void)cleanupRegistered;
    return state;
}

void ReleaseBackBufferContext()
{
    Anim().backBuffer.Delete();
}

void PlaceBall(CViewBall& ball, BallPlace& place, TrajectoryBuffer& traj, std::uint32_t t)
{
    traj.PositionAt(t, place.x, place.y);
    if (ball.nDrag == -1)
        ball.nDrag = 0;
}

std::uint32_t Count(const TrajectoryBuffer& traj)
{
    return traj.m_nCount > 0 ? static_cast<std::uint32_t>(traj.m_nCount) : 0;
}

// The pixels a ball's disc and its erasing cover, with room for the outline.
QRect BallBox(const CMirobeltView& view, const BallPlace& ball)
{
    const int r = view.m_nBallRadiusPx + 2;
    return QRect(view.MapX(ball.x) - r, view.MapY(ball.y) - r, 2 * r, 2 * r);
}
}  // namespace

const QImage& AnimationBackBuffer()
{
    return Anim().backBuffer.Bitmap();
}

void CMirobeltView::AnimateShotStep()
{
    AnimationState& anim = Anim();
    anim.frameDrawn = false;
    TrajectoryBuffer* traj = m_pDoc->m_physics.m_traj;
    const std::uint32_t counts[3] = {Count(traj[0]), Count(traj[1]), Count(traj[2])};
    if (counts[0] == 0 && counts[1] == 0 && counts[2] == 0)
        return;

    const bool pastEnd = m_nAnimTick > counts[0] && m_nAnimTick > counts[1] && m_nAnimTick > counts[2];
    if (m_bAnimating == 0 || pastEnd)
    {
        // The shot has been shown to its end: its final position becomes
        // the set-up.
        if (anim.backBuffer.IsValid())
            anim.backBuffer.Delete();
        m_nAnimTick = 0;
        m_bAnimating = 0;
        StopPlayLoop();
        OnShotFinalPosition();
        anim.lastStepTime = MillisecondClock();
        return;
    }

    const std::uint64_t now = MillisecondClock();
    const std::uint64_t gap = anim.lastStepTime == 0 ? 1000 : now - anim.lastStepTime;
    if (gap < kFrameSpacingMs)
        return;

    // Anything drawn on the window since the last frame is covered by a whole copy.
    const bool pictureTouched = Picture().cacheKey() != anim.pictureKey;
    CDC* dc = AcquireWindowDC();

    if (m_nAnimTick == 0)
        anim.startTime = MillisecondClock();

    bool sizeChanged = false;
    if (!anim.tableSizeKnown)
    {
        anim.tableSizeKnown = true;
        anim.lastTableLengthPx = m_nTableLengthPx;
        anim.lastTableWidthPx = m_nTableWidthPx;
    }
    if (anim.lastTableLengthPx != m_nTableLengthPx || anim.lastTableWidthPx != m_nTableWidthPx)
    {
        sizeChanged = true;
        anim.lastTableLengthPx = m_nTableLengthPx;
        anim.lastTableWidthPx = m_nTableWidthPx;
    }
    // The window moved to a screen of another pixel ratio.
    const bool ratioChanged = anim.backBuffer.IsValid() && anim.backBuffer.DC()->Ratio() != dc->Ratio();

    const QRect table(0, 0, m_nMarginPx + m_nTableLengthPx + 2, m_nMarginPx + m_nTableWidthPx + 2);
    const bool wholeTable = m_nAnimTick == 0 || sizeChanged || ratioChanged || pictureTouched;
    if (m_nAnimTick == 0 || sizeChanged || ratioChanged)
    {
        // First frame of the shot, or the window changed size: the table
        // goes into a new back buffer and the balls start from their copies.
        anim.backBuffer.CreateCompatible(table.width(), table.height(), dc->Ratio());
        CDC& back = *anim.backBuffer.DC();
        for (int b = 0; b < 3; ++b)
        {
            anim.balls[b] = m_balls[b];
            anim.places[b] = SetUp().balls[b];
        }
        DrawTable(back, m_pDoc->m_geometry);
        for (int b = 0; b < 3; ++b)
        {
            if (counts[b] > 0)
                PlaceBall(anim.balls[b], anim.places[b], traj[b], 0);
        }
        anim.balls[1].Draw(*this, back, anim.places[1], 0);
        anim.balls[0].Draw(*this, back, anim.places[0], 0);
        anim.balls[2].Draw(*this, back, anim.places[2], 0);
        for (QRect& box : anim.erasedBefore)
            box = QRect();
    }

    const std::uint64_t frameTime = MillisecondClock();
    anim.lastStepTime = frameTime;
    m_nAnimTick = static_cast<std::uint32_t>((3 * (frameTime - anim.startTime)) / 6);

    CDC& back = *anim.backBuffer.DC();
    QRect changed[3];
    for (int b = 0; b < 3; ++b)
    {
        const QRect erased = BallBox(*this, anim.places[b]);
        changed[b] = erased | anim.erasedBefore[b];
        anim.erasedBefore[b] = erased;
        anim.balls[b].Draw(*this, back, anim.places[b], 1);
    }
    for (CMarker& marker : m_markers)
        marker.Draw(*this, back, 0);
    for (int b = 0; b < 3; ++b)
    {
        // Past its last time stamp a ball stays on its last sample.
        if (counts[b] > 0)
            PlaceBall(anim.balls[b], anim.places[b], traj[b], std::min(m_nAnimTick, counts[b]));
        anim.balls[b].Draw(*this, back, anim.places[b], 0);
        changed[b] |= BallBox(*this, anim.places[b]);
    }
    ++m_nAnimTick;

    if (wholeTable)
    {
        dc->BitBlt(0, 0, table.width(), table.height(), back, 0, 0);
    }
    else
    {
        for (const QRect& box : changed)
        {
            const QRect part = box & table;
            if (!part.isEmpty())
                dc->BitBlt(part.x(), part.y(), part.width(), part.height(), back, part.x(), part.y());
        }
    }
    ReleaseWindowDC(dc);
    anim.pictureKey = Picture().cacheKey();
    anim.frameDrawn = true;
    anim.lastStepTime = MillisecondClock();
}

void CMirobeltView::PlayNextFrame()
{
    // The window is closing: the quit is on its way to the application's own
    // loop, and nothing here may touch the view again.
    if (m_bPlayLoop == 0 || IsQuitRequested())
        return;
    AnimateShotStep();
    if (m_bPlayLoop == 0)
        return;
    // The next frame when it is due, at once when this step drew nothing
    // although it was due; the events waiting are handled first either way.
    const AnimationState& anim = Anim();
    const std::uint64_t since = MillisecondClock() - anim.lastStepTime;
    int wait = 0;
    if (since < kFrameSpacingMs || !anim.frameDrawn)
        wait = since >= kFrameSpacingMs ? 1 : static_cast<int>(kFrameSpacingMs - since);
    m_playback.NextFrameIn(wait);
}

void CMirobeltView::StopPlayLoop()
{
    m_bPlayLoop = 0;
    m_playback.StopFrames();
    m_playback.CancelPause();
}

void CMirobeltView::OnShotFinalPosition()
{
    ModelStep step(*this, tr("le coup joué"));
    StopPlayLoop();
    if (m_bAnimating != 0)
    {
        m_bAnimating = 0;
        m_nAnimTick = 0;
    }
    m_bSetupChanged = 1;

    // The list receives the shot's starting position, before any ball moves.
    RecordPosition();

    EditSetUp().aim = {};
    m_aim.ForgetLastDrawn();

    TrajectoryBuffer* traj = m_pDoc->m_physics.m_traj;
    if (traj[0].m_nCount <= 0 || traj[1].m_nCount <= 0 || traj[2].m_nCount <= 0)
        return;

    CDC* dc = AcquireWindowDC();
    TableSetUp& setUp = EditSetUp();
    for (int b = 0; b < 3; ++b)
    {
        PlaceBall(m_balls[b], setUp.balls[b], traj[b], Count(traj[b]));
        m_balls[b].Draw(*this, *dc, setUp.balls[b], 0);
    }
    setUp.strikeHeight = 0;
    setUp.strikeSide = 0;
    setUp.raiseAngle = 0;
    setUp.force = setUp.tableFormat == 0 ? 0.2 : 0.5;
    ReleaseWindowDC(dc);

    g_bNoMouseAbort = 1;
    ComputeShot(0);
}
