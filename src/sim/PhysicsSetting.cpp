// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/PhysicsSetting.h"

#include "sim/MirobeltDoc.h"

PhysicsSetting PhysicsSetting::Of(const CMirobeltDoc& doc)
{
    const CShotPhysics& p = doc.m_physics;
    PhysicsSetting s{};
    s.restSpeed = p.m_dRestSpeed;
    s.restSpin = p.m_dRestSpin;
    s.timeStep = p.m_dTimeStep;
    s.sampleInterval = p.m_dSampleInterval;
    s.cushionRestitution = p.m_dCushionRestitution;
    s.ballGearing = p.m_dBallGearing;
    s.mass = p.m_dMass;
    s.invMass = p.m_dInvMass;
    s.radius = p.m_dRadius;
    s.radiusSq = p.m_dRadiusSq;
    s.radiusOverInertia = p.m_dRadiusOverInertia;
    s.diameter = p.m_dDiameter;
    s.diameterSq = p.m_dDiameterSq;
    s.spanX = p.m_dSpanX;
    s.spanY = p.m_dSpanY;

    // The cloth in use keeps its coefficients; the other one gets what the
    // document's cloth switch would make of them (SetSlowCloth, SetNormalCloth).
    const int current = doc.m_bSlowCloth == 1 ? 1 : 0;
    const int other = 1 - current;
    s.clothFriction[current] = p.m_dClothFriction;
    s.sideSpinDecay[current] = p.m_dSideSpinDecay;
    s.clothFriction[other] = current == 0 ? p.m_dClothFriction * 0.4 : p.m_dClothFriction * 2.5;
    s.sideSpinDecay[other] = s.clothFriction[other] * 0.0032509 / p.m_dRadiusSq;
    return s;
}
