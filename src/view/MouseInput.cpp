// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer input of the table view: the hit tests of the cue-setting widgets,
// picking and dragging balls and markers, aiming, and the double-click.

#include <cmath>
#include <cstdint>

#include "render/DrawingToolkit.h"
#include "sim/ShotPhysics.h"
#include "view/MirobeltView.h"

namespace
{
// Squared distance of (x, y) from (cx, cy), metres.
double DistanceSq(double x, double y, double cx, double cy)
{
    const double dx = x - cx;
    const double dy = y - cy;
    return dx * dx + dy * dy;
}

bool InCentreBox(const CMirobeltView& view, double x, double y)
{
    return view.m_dCentreMinX < x && x < view.m_dCentreMaxX && view.m_dCentreMinY < y &&
           y < view.m_dCentreMaxY;
}

// Farther than sqrt(4.001) R from the centres of both other balls.
bool ClearOfOtherBalls(const CMirobeltView& view, const CViewBall& ball, double x, double y)
{
    const double limit = 4.001 * view.m_dBallRadius * view.m_dBallRadius;
    for (int other = 0; other < 3; ++other)
    {
        const BallPlace& place = view.SetUp().balls[other];
        if (other != ball.index && DistanceSq(x, y, place.x, place.y) <= limit)
            return false;
    }
    return true;
}

// A widget that has been laid out goes back to its resting state; one never
// drawn stays out of reach of the hit tests.
void RestWidget(CWidgetRect& widget)
{
    if (widget.nState != -1)
        widget.nState = 0;
}
}  // namespace

// The sensitive disc and the values are centred h pixels up and to the left
// of the rectangle's centre, like the drawn strike point.
bool CWidgetRect::HitTestStrike(QPoint point, double& height, double& side)
{
    if (nState == -1)
        return false;
    nState = 0;
    const int w = rc.right - rc.left;
    const int e = w / 8;
    const int h = e / 2;
    const int cx = (rc.left + rc.right) / 2;
    const int cy = (rc.top + rc.bottom) / 2;
    const std::int64_t px = static_cast<std::int64_t>(point.x()) + h;
    const std::int64_t py = static_cast<std::int64_t>(point.y()) + h;
    const double radius = w / 2.0 - e;
    if (!(radius > 0))
        return false;  // a widget squeezed to nothing gives no values
    const std::int64_t dx = px - cx;
    const std::int64_t dy = py - cy;
    if (static_cast<double>(dx * dx + dy * dy) > radius * radius)
        return false;
    height = (static_cast<double>(py) - (rc.top + rc.bottom) / 2.0) / radius;
    side = (static_cast<double>(px) - (rc.left + rc.right) / 2.0) / radius;
    nState = 1;
    return true;
}

// The ring of the raise cursor, lower-right quarter only; whole degrees from
// 0 (horizontal, to the right) to 90 (straight down).
bool CWidgetRect::HitTestRaise(QPoint point, double& angle) const
{
    if (nState == -1)
        return false;
    const std::int64_t dx = static_cast<std::int64_t>(point.x()) - (rc.left + rc.right) / 2;
    const std::int64_t dy = static_cast<std::int64_t>(point.y()) - (rc.top + rc.bottom) / 2;
    if (dx < 0 || dy < 0)
        return false;
    const double d2 = static_cast<double>(dx * dx + dy * dy);
    const double r = (rc.right - rc.left) / 2.0;
    const int k = (rc.bottom + 2) / 40 - (rc.bottom + 2) / 80;
    if (!(d2 < r * r && (1 + 2 * k) * d2 + static_cast<double>(k) * k > r * r))
        return false;
    angle = std::trunc(std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 57.29578049044297);
    return true;
}

// One pixel of slack around the bar; the value is not clamped, so the ends
// give a little below 0 and above 1.
bool CWidgetRect::HitTestForce(QPoint point, double& force) const
{
    if (nState == -1)
        return false;
    const int w = rc.right - rc.left;
    if (w <= 4)
        return false;  // no travel to measure a force on
    const int px = point.x();
    const int py = point.y();
    if (!(rc.left - 1 <= px && px <= rc.right + 1 && rc.top - 1 <= py && py <= rc.bottom + 1))
        return false;
    force = static_cast<double>(px - rc.left - 2) / static_cast<double>(w - 4);
    return true;
}

// The pointer must lie on the ball, inside the centre box, and where a ball
// centre would be clear of the two other balls.
bool CViewBall::HitTestAimBall(const CMirobeltView& view, QPoint point) const
{
    const double px = view.PixelToTableX(point.x());
    const double py = view.PixelToTableY(point.y());
    const double r = view.m_dBallRadius;
    const BallPlace& place = view.SetUp().balls[index];
    if (DistanceSq(px, py, place.x, place.y) > r * r)
        return false;
    if (!InCentreBox(view, px, py))
        return false;
    return ClearOfOtherBalls(view, *this, px, py);
}

bool CViewBall::TryMoveBall(const CMirobeltView& view, QPoint point, double& outX, double& outY)
{
    const BallPlace& place = view.SetUp().balls[index];
    outX = place.x;
    outY = place.y;
    const double px = view.PixelToTableX(point.x());
    const double py = view.PixelToTableY(point.y());
    const double r = view.m_dBallRadius;
    if (DistanceSq(px, py, place.x, place.y) > r * r && nDrag != 1)
        return false;
    if (!InCentreBox(view, px, py) || !ClearOfOtherBalls(view, *this, px, py))
        return false;
    outX = px;
    outY = py;
    nDrag = 1;
    return true;
}

// Markers may stand 6 cm beyond the ball-centre box, over the cushions; they
// are not tested against balls or each other.
bool CMarker::TryMoveMarker(const CMirobeltView& view, QPoint point, double& outX, double& outY)
{
    if (g_bShowMarkers == 0)
        return false;
    outX = x;
    outY = y;
    const double px = view.PixelToTableX(point.x());
    const double py = view.PixelToTableY(point.y());
    const double reach = 0.001 + view.m_dBallRadius / 4;
    if (DistanceSq(px, py, x, y) > reach * reach && nDrag != 1)
        return false;
    if (!(view.m_dCentreMinX - 0.06 < px && px < view.m_dCentreMaxX + 0.06 &&
          view.m_dCentreMinY - 0.06 < py && py < view.m_dCentreMaxY + 0.06))
        return false;
    outX = px;
    outY = py;
    nDrag = 1;
    return true;
}

void CMirobeltView::OnMouseMove(std::uint32_t flags, QPoint point)
{
    ModelStep step(*this);
    g_bNoMouseAbort = 0;
    int gesture = 0;
    double height = 0;
    double side = 0;
    double angle = 0;
    double force = 0;
    double newX = 0;
    double newY = 0;

    if (flags & MK_LBUTTON)
    {
        if (m_strikeWidget.HitTestStrike(point, height, side))
            gesture = 3;
        else if (m_raiseCursor.HitTestRaise(point, angle))
            gesture = 1;
        else if (m_forceBar.HitTestForce(point, force))
            gesture = 2;
        else if (m_aim.m_nAimBall != 0)
            gesture = 7;
    }
    else if (flags & MK_RBUTTON)
    {
        m_nMouseGesture = -1;
        int heldBalls = 0;
        int heldBall = -1;
        for (int b = 0; b < 3; ++b)
        {
            if (m_balls[b].nDrag == 1)
            {
                ++heldBalls;
                heldBall = b;
            }
        }
        bool markerHeld = false;
        for (const CMarker& marker : m_markers)
            markerHeld = markerHeld || marker.nDrag == 1;

        if (heldBalls == 0 && !markerHeld)
        {
            for (int b = 0; b < 3 && gesture == 0; ++b)
            {
                if (m_balls[b].TryMoveBall(*this, point, newX, newY))
                    gesture = 4 + b;
            }
        }
        // A free marker under the pointer takes the drag over from a held
        // one further up the row.
        if (heldBalls == 0 && gesture == 0)
        {
            for (int i = 0; i < kMarkerCount && gesture == 0; ++i)
            {
                if (m_markers[i].TryMoveMarker(*this, point, newX, newY))
                    gesture = 100 + i;
            }
        }
        if (heldBalls == 1)
        {
            // A refused move leaves the held ball where it was.
            m_balls[heldBall].TryMoveBall(*this, point, newX, newY);
            gesture = 4 + heldBall;
        }
    }

    if (m_nMouseGesture == -1)
        m_nMouseGesture = gesture;
    if (gesture != m_nMouseGesture)
        gesture = m_nMouseGesture == 7 ? 7 : 0;  // aiming survives passing over a widget

    m_bSetupChanged = 1;

    CDC* dc = AcquireWindowDC();
    switch (gesture)
    {
    case 1:
        DrawRaiseCursor(*dc, m_nDrawWidth, m_nDrawHeight, angle);
        EditSetUp().raiseAngle = angle;
        break;
    case 2:
        DrawForceBar(*dc, m_nDrawWidth, m_nDrawHeight, force);
        EditSetUp().force = force;
        break;
    case 3:
        DrawStrikeBall(*dc, m_nDrawWidth, m_nDrawHeight, height, side, SetUp().strikeMode);
        EditSetUp().strikeHeight = height;
        EditSetUp().strikeSide = side;
        break;
    case 4:
    case 5:
    case 6:
    {
        const int moved = gesture - 4;
        m_balls[moved].EraseDisc(*this, *dc, SetUp().balls[moved]);
        EditSetUp().balls[moved] = {newX, newY};
        for (CMarker& marker : m_markers)
            marker.Draw(*this, *dc, 0);
        for (int b = 0; b < 3; ++b)
            m_balls[b].Draw(*this, *dc, SetUp().balls[b], 0);
        break;
    }
    case 7:
        EditSetUp().aim.targetX = PixelToTableX(point.x());
        EditSetUp().aim.targetY = PixelToTableY(point.y());
        for (CMarker& marker : m_markers)
            marker.Draw(*this, *dc, 0);
        DrawTableMarks(*dc, m_pDoc->m_geometry);
        for (int b = 0; b < 3; ++b)
            m_balls[b].Draw(*this, *dc, SetUp().balls[b], 0);
        m_aim.Draw(*this, *dc);
        m_aimAid.Draw(*this, *dc, SetUp().aim, m_nDrawWidth, m_nDrawHeight);
        break;
    default:
        if (gesture >= 100 && gesture < 100 + kMarkerCount)
        {
            CMarker& marker = m_markers[gesture - 100];
            marker.Erase(*this, *dc, newX, newY);
            marker.x = newX;
            marker.y = newY;
            marker.Draw(*this, *dc, 0);
            for (int b = 0; b < 3; ++b)
                m_balls[b].Draw(*this, *dc, SetUp().balls[b], 0);
        }
        break;
    }
    ReleaseWindowDC(dc);

    m_nMouseGesture = gesture;
}

void CMirobeltView::OnLButtonDown(std::uint32_t flags, QPoint point)
{
    ModelStep step(*this);
    m_nMouseGesture = -1;
    if (m_bAnimating == 1 || m_playback.Pausing())
    {
        StopPlayLoop();
        m_bAnimating = 0;
        g_bNoMouseAbort = 0;
        if (m_nDemoTimer != 0)
        {
            KillDemoTimer();
            m_nDemoTimer = 0;
        }
        OnShotInterrupt();
    }
    for (int b = 0; b < 3; ++b)
    {
        if (m_balls[b].HitTestAimBall(*this, point))
        {
            EditSetUp().aim.originX = SetUp().balls[b].x;
            EditSetUp().aim.originY = SetUp().balls[b].y;
            m_aim.m_nAimBall = b + 1;
            EditSetUp().cueBall = b + 1;
        }
    }
    // A press on a widget sets its value at once; on a ball it starts aiming
    // with the target on the ball itself.
    OnMouseMove(flags, point);
}

void CMirobeltView::OnLButtonUp(std::uint32_t, QPoint)
{
    m_nMouseGesture = -1;
    g_bNoMouseAbort = 0;
    for (CViewBall& ball : m_balls)
        ball.nDrag = 0;
    m_aim.m_nAimBall = 0;
    RestWidget(m_strikeWidget);
    RestWidget(m_forceBar);
    RestWidget(m_raiseCursor);
}

void CMirobeltView::OnRButtonDown(std::uint32_t flags, QPoint point)
{
    ModelStep step(*this);
    g_bNoMouseAbort = 0;
    // Takes the ball or marker under the pointer; its centre jumps there.
    OnMouseMove(flags, point);
    EditSetUp().aim = {};
    m_aim.ForgetLastDrawn();
    OnDraw(nullptr);
}

void CMirobeltView::OnRButtonUp(std::uint32_t, QPoint)
{
    g_bNoMouseAbort = 0;
    for (CViewBall& ball : m_balls)
        ball.nDrag = 0;
    for (CMarker& marker : m_markers)
        marker.nDrag = 0;
    m_aim.m_nAimBall = 0;
    RestWidget(m_strikeWidget);
    RestWidget(m_forceBar);
    RestWidget(m_raiseCursor);
}

// Computes the shot of a changed set-up and draws its trajectories; with
// Control held the lines go over what the window shows.
void CMirobeltView::OnLButtonDblClk(std::uint32_t flags, QPoint)
{
    g_bNoMouseAbort = 0;
    if (m_bSetupChanged == 1)
        ComputeShot((flags & MK_CONTROL) ? 2 : 1);
    m_bSetupChanged = 0;
}
