// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Varied shots shared by the pinned-shot test, the screening test and the
// benchmarks.
#include <cmath>
#include <vector>

#include "sim/MirobeltDoc.h"

struct PinnedShot
{
    ShotSetup setup;
    int tableFormat;
};

// Three positions, each played in varied directions and strokes: plain rolls,
// draw, follow, side, raised and massé strokes, the artistic cloth, every
// table format and every cue ball.
inline std::vector<PinnedShot> PinnedShots()
{
    const BallStart positions[3][3] = {
        {{0.5, 0.6}, {1.5, 0.45}, {2.0, 0.95}},
        {{1.2, 0.3}, {1.1, 0.9}, {0.3, 0.2}},
        {{0.2, 0.15}, {0.9, 0.5}, {0.6, 0.35}},
    };
    std::vector<PinnedShot> shots;
    for (int i = 0; i < 40; ++i)
    {
        const BallStart* balls = positions[i % 3];
        ShotSetup s;
        s.cueBall = 1 + (i / 3) % 3;
        const BallStart& cue = balls[s.cueBall - 1];
        const double angle = i * 0.4363;  // about 25 degrees apart
        s.aimOriginX = cue.x;
        s.aimOriginY = cue.y;
        s.aimTargetX = cue.x + 0.5 * std::cos(angle);
        s.aimTargetY = cue.y + 0.5 * std::sin(angle);
        s.force = 0.15 + 0.85 * ((i * 7) % 11) / 10.0;
        s.strikeHeight = ((i * 5) % 9 - 4) / 5.0;
        s.strikeSide = ((i * 3) % 7 - 3) / 4.0;
        s.raiseAngle = i % 5 == 4 ? 60 + i % 20 : (i % 4) * 6;
        s.strikeMode = i % 6 == 5 ? 150 : 50;
        for (int b = 0; b < 3; ++b)
            s.balls[b] = balls[b];
        shots.push_back({s, i % 8 == 7 ? 1 + (i / 8) % 3 : 2});
    }
    return shots;
}
