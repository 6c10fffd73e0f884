// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DrawingToolkit.h"
#include "view/MirobeltView.h"

#include <cmath>

namespace
{
// A line between two pixels. A line that starts and ends on the same pixel
// puts nothing on the screen.
void Segment(CDC& dc, int x0, int y0, int x1, int y1)
{
    if (x0 == x1 && y0 == y1)
        return;
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

// The line from the target through the origin and 25 times as far again
// beyond it; the clip cuts it at the cushions. Pixel values are bounded by
// the metres-to-pixel conversion, so the products stay within int.
void LongSegment(CDC& dc, int ox, int oy, int tx, int ty)
{
    Segment(dc, 26 * ox - 25 * tx, 26 * oy - 25 * ty, tx, ty);
}
}  // namespace

void CAimLine::Draw(CMirobeltView& view, CDC& dc)
{
    const AimLine& aim = view.SetUp().aim;
    const double dOriginX = aim.originX;
    const double dOriginY = aim.originY;
    const double dTargetX = aim.targetX;
    const double dTargetY = aim.targetY;
    if (bRedraw == 0 && dOriginX == dLastOriginX && dOriginY == dLastOriginY && dTargetX == dLastTargetX &&
        dTargetY == dLastTargetY)
        return;
    bRedraw = 0;

    const int left = view.m_nMarginPx;
    const int top = view.m_nMarginPx;
    const int right = view.m_nMarginPx + view.m_nTableLengthPx;
    const int bottom = view.m_nMarginPx + view.m_nTableWidthPx;
    dc.SetClipRect(left, top, right, bottom);

    // Erase the line drawn last by drawing it again in the background colour.
    dc.SelectPen(g_bColour ? &g_penCloth : &g_penPaper);
    LongSegment(dc, view.MapX(dLastOriginX), view.MapY(dLastOriginY), view.MapX(dLastTargetX),
                view.MapY(dLastTargetY));

    dLastOriginX = dOriginX;
    dLastOriginY = dOriginY;
    dLastTargetX = dTargetX;
    dLastTargetY = dTargetY;

    const int ox = view.MapX(dOriginX);
    const int oy = view.MapY(dOriginY);
    const int tx = view.MapX(dTargetX);
    const int ty = view.MapY(dTargetY);
    dc.SelectPen(g_bColour ? &g_penAim : &g_penLine);
    const bool targetOnCloth = tx >= left + 2 && tx <= right - 2 && ty >= top + 2 && ty <= bottom - 2;
    if (targetOnCloth)
        Segment(dc, ox, oy, tx, ty);
    else
        LongSegment(dc, ox, oy, tx, ty);

    dc.RemoveClip();
}

void CAimLine::ForgetLastDrawn()
{
    dLastOriginX = 0;
    dLastOriginY = 0;
    dLastTargetX = 0;
    dLastTargetY = 0;
}

void CAimAid::Draw(CMirobeltView& view, CDC& dc, const AimLine& aim, int drawWidth, int drawHeight)
{
    const int W = drawWidth;
    const int H = drawHeight;

    // The fullness strip under the force bar.
    const int left = W / 30 + H / 10 - H / 40 + 5;
    const int top = H - H / 10 + (H / 40 > 6 ? H / 40 : 6) + 5;
    const int bottom = H - 2;
    const int h = bottom - top;
    const int right = left + 10 * h;
    const int cx = (left + right) / 2;
    const int cy = (top + bottom) / 2;
    const int hh = h / 2;

    const double R = view.m_dBallRadius;
    const double Ox = aim.originX;
    const double Oy = aim.originY;
    const double Tx = aim.targetX;
    const double Ty = aim.targetY;
    const BallPlace* places = view.SetUp().balls;
    const double len = std::sqrt((Tx - Ox) * (Tx - Ox) + (Ty - Oy) * (Ty - Oy));
    if (!(len > R))
        return;  // no aim to speak of: the strip and the ghost ball stay as they are
    const double ux = (Tx - Ox) / len;
    const double uy = (Ty - Oy) / len;

    SelectWidgetObjects(dc);
    dc.Rectangle(left, top, right, bottom);
    const QPoint corners[4] = {QPoint(left, top), QPoint(right, top), QPoint(right, bottom), QPoint(left, bottom)};
    dc.Polygon(corners, 4);

    dc.SetClipRect(left + 1, top + 1, right - 1, bottom - 1);

    // The balls as the player sees them along the aim, the farthest first.
    // Insertion by strictly greater depth keeps equal depths in the order
    // white, red, spotted.
    int order[3] = {0, 1, 2};
    double depth[3];
    for (int i = 0; i < 3; ++i)
    {
        const BallPlace& ball = places[i];
        depth[i] = (ball.x - Ox) * ux + (ball.y - Oy) * uy;
    }
    for (int i = 1; i < 3; ++i)
    {
        for (int j = i; j > 0 && depth[order[j]] > depth[order[j - 1]]; --j)
        {
            const int swap = order[j];
            order[j] = order[j - 1];
            order[j - 1] = swap;
        }
    }
    for (int n = 0; n < 3; ++n)
    {
        const BallPlace& ball = places[order[n]];
        // Side offset, positive to the right of a player facing along the aim.
        const double side = ux * (ball.y - Oy) - uy * (ball.x - Ox);
        const int k = MetresToPixel(side * hh / R, 1.0, 0);
        if (left < cx + k && cx + k < right)
        {
            dc.SelectBrush(view.m_balls[order[n]].pBrush);  // the strip's pen outlines every disc
            dc.Ellipse(cx + k - hh, cy - hh, cx + k + hh, cy + hh);
        }
    }
    dc.RemoveClip();

    if (!g_bColour)
        return;

    // Ghost ball: where the cue ball stands when it meets the ball nearest
    // the target.
    const int r = view.m_nBallRadiusPx;
    int nearest = 0;
    double nearestSq = 0;
    for (int i = 0; i < 3; ++i)
    {
        const BallPlace& ball = places[i];
        const double distSq = (Tx - ball.x) * (Tx - ball.x) + (Ty - ball.y) * (Ty - ball.y);
        if (i == 0 || distSq <= nearestSq)
        {
            nearest = i;
            nearestSq = distSq;
        }
    }
    const double Nx = places[nearest].x;
    const double Ny = places[nearest].y;

    const int oldX = view.MapX(lastGhostX);
    const int oldY = view.MapY(lastGhostY);
    if (0 < oldX && oldX < W && 0 < oldY && oldY < H)
    {
        dc.SelectPen(&g_penGhostErase);
        dc.SelectBrush(&g_brCloth);
        dc.Ellipse(oldX - r, oldY - r, oldX + r, oldY + r);
    }

    const double D1 = (Tx - Nx) * (Tx - Nx) + (Ty - Ny) * (Ty - Ny);
    if (D1 > 10 * R * R)
    {
        lastGhostX = -1.0;  // the target is not near a ball
        return;
    }
    const double D0 = (Ox - Nx) * (Ox - Nx) + (Oy - Ny) * (Oy - Ny);
    if (!(D0 > 2 * R * R))
    {
        lastGhostY = -1.0;  // the ball nearest the target is the cue ball itself
        return;
    }
    const double b = 2 * ((Tx - Nx) * ux + (Ty - Ny) * uy);
    const double c = D1 - 4 * R * R;
    const double disc = b * b - 4 * c;
    if (!(disc > 0))
    {
        lastGhostX = -1.0;  // the aim line passes the ball by
        return;
    }
    const double t = (-b - std::sqrt(disc)) / 2;
    const double Gx = Tx + t * ux;
    const double Gy = Ty + t * uy;

    const int gx = view.MapX(Gx);
    const int gy = view.MapY(Gy);
    dc.SelectPen(&g_penPaper);
    dc.SelectBrush(&g_brCloth);
    if (0 < gx && gx < W && 0 < gy && gy < H)
        dc.Ellipse(gx - r, gy - r, gx + r, gy + r);
    lastGhostX = Gx;
    lastGhostY = Gy;
}
