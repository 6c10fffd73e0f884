// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/MirobeltDoc.h"

CMirobeltDoc::CMirobeltDoc(const char* tuningPath)
    : m_geometry(),
      m_physics(tuningPath),
      m_ballStart{},
      m_nCueBall(0),
      m_dShotPower(0),
      m_dShotFollow(0),
      m_dShotSide(0),
      m_dShotElevation(0),
      m_dShotDirX(0),
      m_dShotDirY(0),
      m_shotStart{},
      m_bSlowCloth(0)
{
}

void CMirobeltDoc::SetShotRequest(const ShotSetup& setup)
{
    m_dShotPower = setup.force;
    if (setup.strikeMode > 100)
        SetSlowCloth();
    else
        SetNormalCloth();

    // The strike height is positive below the centre: a low strike is draw.
    m_dShotFollow = setup.strikeHeight * (-75);
    m_dShotSide = setup.strikeSide * 150;
    m_dShotElevation = setup.raiseAngle;
    m_nCueBall = setup.cueBall;
    m_dShotDirX = setup.aimTargetX - setup.aimOriginX;
    m_dShotDirY = setup.aimTargetY - setup.aimOriginY;
    for (int b = 0; b < 3; ++b)
        m_ballStart[b] = setup.balls[b];
}

void CMirobeltDoc::RunShot()
{
    for (int b = 0; b < 3; ++b)
    {
        BallState& s = m_shotStart[b];
        s.vx = 0;
        s.vy = 0;
        s.wx = 0;
        s.wy = 0;
        s.wz = 0;
        s.x = m_ballStart[b].x;
        s.y = m_ballStart[b].y;
    }

    if (m_nCueBall >= 1 && m_nCueBall <= 3)
    {
        BallState& cue = m_shotStart[m_nCueBall - 1];
        m_physics.StrikeBall(m_dShotPower, m_dShotFollow, m_dShotSide, m_dShotElevation,
                             m_dShotDirX, m_dShotDirY, cue.vx, cue.vy, cue.wx, cue.wy, cue.wz);
    }

    m_physics.LoadStartState(m_shotStart);
    m_physics.Simulate();
}

void CMirobeltDoc::SetSlowCloth()
{
    if (m_bSlowCloth == 0)
    {
        m_physics.m_dClothFriction *= 0.4;
        m_bSlowCloth = 1;
        m_physics.RecomputeSideSpinDecay();
    }
}

void CMirobeltDoc::SetNormalCloth()
{
    if (m_bSlowCloth == 1)
    {
        m_physics.m_dClothFriction *= 2.5;
        m_bSlowCloth = 0;
        m_physics.RecomputeSideSpinDecay();
    }
}

void CMirobeltDoc::ApplyTableFormat(int format)
{
    if (!IsValidTableFormat(format))
        return;
    const TableFormatPreset& preset = g_tableFormats[format];
    m_geometry.length = preset.length;
    m_geometry.width = preset.width;
    m_geometry.railWidth = preset.railWidth;
    m_physics.m_dSpanX = m_geometry.length - 2 * kDefaultBallRadius;
    m_physics.m_dSpanY = m_geometry.width - 2 * kDefaultBallRadius;
}
