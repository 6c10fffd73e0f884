// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dynamic state of one ball. Position in the ball-centre frame (metres),
// velocity of the centre (m/s), spin (rad/s). wx and wy only enter through the
// sliding velocity of the contact point: ux = vx + R*wy, uy = vy - R*wx.
struct BallState
{
    double x;
    double y;
    double vx;
    double vy;
    double wx;
    double wy;
    double wz;  // side spin about the vertical axis
};
