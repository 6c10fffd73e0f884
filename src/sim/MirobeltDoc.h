// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "sim/ShotPhysics.h"
#include "sim/TableGeometry.h"

struct BallStart
{
    double x;
    double y;
};

// The set-up of the next shot as the table view holds it.
struct ShotSetup
{
    double force = 0.5;          // fraction of the force bar
    double strikeHeight = 0;     // fraction of the strike widget's radius, positive below the centre
    double strikeSide = 0;       // positive to the right
    double raiseAngle = 0;       // degrees
    double strikeMode = 50;      // 50 normal, 150 artistic (above 100)
    int cueBall = 1;             // 1 white, 2 red, 3 spotted
    double aimOriginX = 0, aimOriginY = 0, aimTargetX = 0, aimTargetY = 0;
    BallStart balls[3] = {};     // white, red, spotted
};

// The single document: table geometry, physics with its trajectory buffers,
// and the request of the next shot as the view hands it over.
class CMirobeltDoc
{
public:
    // tuningPath is handed to the physics (nullptr: no tuning file).
    explicit CMirobeltDoc(const char* tuningPath = nullptr);

    // Turns the set-up into the shot request: power = force,
    // follow = -75 x height, side = 150 x side, elevation = raise, aim = target
    // - origin, and the cloth for normal or artistic play.
    void SetShotRequest(const ShotSetup& setup);

    // Builds the start state from the shot request, strikes the cue ball and
    // integrates the shot into the trajectory buffers.
    void RunShot();

    // Artistic play runs on a cloth with 0.4 times the friction.
    void SetSlowCloth();
    void SetNormalCloth();

    // Makes format (0 to 3) the table of the next shots: geometry and the
    // physics' ball-centre spans.
    void ApplyTableFormat(int format);

    TableGeometry m_geometry;
    CShotPhysics m_physics;

    BallStart m_ballStart[3];     // white, red, spotted
    std::int32_t m_nCueBall;      // 1 white, 2 red, 3 spotted; other values strike none
    double m_dShotPower;
    double m_dShotFollow;
    double m_dShotSide;
    double m_dShotElevation;
    double m_dShotDirX;
    double m_dShotDirY;
    BallState m_shotStart[3];
    std::int32_t m_bSlowCloth;
};
