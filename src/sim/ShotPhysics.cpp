// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ShotPhysics.h"

#include <cmath>

#include "sim/PhysicsSetting.h"
#include "sim/TableGeometry.h"

std::int32_t g_bNoMouseAbort = 0;
std::int32_t g_nPollCount = 0;
PointerMovedQuery g_pfnPointerMoved = nullptr;

namespace
{
// Degrees to radians, with the program's rounded value of pi (3.1415926 / 180).
constexpr double kRadiansPerDegree = 0.017453292222;
}

CShotPhysics::CShotPhysics(const char* tuningPath)
    : m_state{}, m_work{}
{
    for (TrajectoryBuffer& buffer : m_traj)
    {
        buffer.m_nCount = 0;
        buffer.m_nCursor = 0;
    }

    m_dRestSpeed = 1e-8;
    m_dRestSpin = 1e-8;
    m_dTimeStep = 0.0005;
    m_dSampleInterval = 0.01;
    m_dClothFriction = 0.025;
    m_dSideSpinDecay = 0.025 * 0.0032509 / 0.00093025;
    m_dCushionRestitution = 0.98;
    m_dBallGearing = 0.025;
    m_dMass = 0.215;
    m_dRadius = 0.0305;
    m_dRadiusSq = 0.00093025;
    m_dDiameter = 0.061;

    if (tuningPath != nullptr)
        LoadTuning(tuningPath);

    m_dInvMass = 1 / m_dMass;
    const double inertia = 0.4 * m_dMass * (m_dRadius * m_dRadius);
    m_dRadiusOverInertia = m_dRadius / inertia;
    m_dDiameter = 2 * m_dRadius;
    m_dDiameterSq = m_dDiameter * m_dDiameter;
    m_dSpanX = kDefaultTableLength - 2 * kDefaultBallRadius;
    m_dSpanY = kDefaultTableWidth - 2 * kDefaultBallRadius;
}

CShotPhysics::CShotPhysics(const PhysicsSetting& setting)
    : m_state{}, m_traj(TrajectorySet::Empty()), m_work{}
{
    m_dRestSpeed = setting.restSpeed;
    m_dRestSpin = setting.restSpin;
    m_dTimeStep = setting.timeStep;
    m_dSampleInterval = setting.sampleInterval;
    m_dClothFriction = setting.clothFriction[0];
    m_dSideSpinDecay = setting.sideSpinDecay[0];
    m_dCushionRestitution = setting.cushionRestitution;
    m_dBallGearing = setting.ballGearing;
    m_dMass = setting.mass;
    m_dInvMass = setting.invMass;
    m_dRadius = setting.radius;
    m_dRadiusSq = setting.radiusSq;
    m_dRadiusOverInertia = setting.radiusOverInertia;
    m_dDiameter = setting.diameter;
    m_dDiameterSq = setting.diameterSq;
    m_dSpanX = setting.spanX;
    m_dSpanY = setting.spanY;
    m_bWatchesPointer = false;
}

void CShotPhysics::StrikeBall(double power, double follow, double side, double elevation,
                              double dirX, double dirY, double& vx, double& vy, double& wx,
                              double& wy, double& wz) const
{
    const double dist = std::sqrt(dirX * dirX + dirY * dirY);
    if (dist < m_dRadius)
        return;

    const double theta = elevation * kRadiansPerDegree;
    const double c = std::cos(theta);
    const double s = std::sin(theta);

    // The horizontal speed comes from V0; the spins from V, which grows with the raise.
    const double v0 = 0.75 * power;
    const double raiseFactor = 1 + 0.05 * elevation;
    const double v = v0 * raiseFactor;

    const double ux = c * dirX / dist;
    const double uy = c * dirY / dist;

    vx = v0 * c * dirX / dist;
    vy = v0 * c * dirY / dist;
    wx = 0.333333 * (2 * follow * uy * v + s * ux * v * side);
    wy = 0.333333 * (-2 * follow * ux * v + s * uy * v * side);
    wz = 0.333333 * (ux * ux + uy * uy) * v * side;
}

void CShotPhysics::LoadStartState(const BallState start[3])
{
    for (int b = 0; b < 3; ++b)
        m_state[b] = start[b];
    for (TrajectoryBuffer& buffer : m_traj)
    {
        buffer.m_nCursor = 0;
        buffer.m_nCount = 0;
    }
}
