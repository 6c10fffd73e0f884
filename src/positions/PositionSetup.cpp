// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/PositionSetup.h"

ShotSetup SetupOf(const PositionValues& v)
{
    ShotSetup setup;
    setup.balls[0] = {v.whiteX, v.whiteY};
    setup.balls[1] = {v.redX, v.redY};
    setup.balls[2] = {v.spottedX, v.spottedY};
    setup.force = v.force;
    setup.strikeHeight = v.strikeHeight;
    setup.strikeSide = v.strikeSide;
    setup.raiseAngle = v.raiseAngle;
    setup.strikeMode = v.strikeMode;
    setup.cueBall = v.cueBall;
    setup.aimOriginX = v.aimOriginX;
    setup.aimOriginY = v.aimOriginY;
    setup.aimTargetX = v.aimTargetX;
    setup.aimTargetY = v.aimTargetY;
    return setup;
}

PositionValues ValuesOf(const ShotSetup& s, double tableFormat)
{
    PositionValues v;
    v.whiteX = s.balls[0].x;
    v.whiteY = s.balls[0].y;
    v.redX = s.balls[1].x;
    v.redY = s.balls[1].y;
    v.spottedX = s.balls[2].x;
    v.spottedY = s.balls[2].y;
    v.strikeHeight = s.strikeHeight;
    v.strikeSide = s.strikeSide;
    v.raiseAngle = s.raiseAngle;
    v.force = s.force;
    v.cueBall = s.cueBall;
    v.aimOriginX = s.aimOriginX;
    v.aimTargetX = s.aimTargetX;
    v.aimOriginY = s.aimOriginY;
    v.aimTargetY = s.aimTargetY;
    v.strikeMode = s.strikeMode;
    v.tableFormat = tableFormat;
    return v;
}
