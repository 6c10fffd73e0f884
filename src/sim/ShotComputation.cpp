// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/ShotComputation.h"

ShotComputation::ShotComputation(const PhysicsSetting& setting) : m_setting(setting), m_physics(setting) {}

void ShotComputation::Run(const ShotSetup& setup, ComputeMode mode, ContactReceiver* receiver)
{
    // As CMirobeltDoc::SetShotRequest and RunShot do.
    const int cloth = setup.strikeMode > 100 ? 1 : 0;
    m_physics.m_dClothFriction = m_setting.clothFriction[cloth];
    m_physics.m_dSideSpinDecay = m_setting.sideSpinDecay[cloth];

    BallState start[3];
    for (int b = 0; b < 3; ++b)
        start[b] = {setup.balls[b].x, setup.balls[b].y, 0, 0, 0, 0, 0};
    if (setup.cueBall >= 1 && setup.cueBall <= 3)
    {
        BallState& cue = start[setup.cueBall - 1];
        m_physics.StrikeBall(setup.force, setup.strikeHeight * (-75), setup.strikeSide * 150, setup.raiseAngle,
                             setup.aimTargetX - setup.aimOriginX, setup.aimTargetY - setup.aimOriginY, cue.vx,
                             cue.vy, cue.wx, cue.wy, cue.wz);
    }

    m_physics.LoadStartState(start);
    m_physics.m_pContacts = receiver;
    if (mode == ComputeMode::Screening)
        m_physics.SimulateScreening();
    else
        m_physics.Simulate();
    m_physics.m_pContacts = nullptr;
}
