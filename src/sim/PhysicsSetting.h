// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CMirobeltDoc;

// Everything a shot's computation needs besides the shot itself: the physics
// coefficients and the ball-centre spans of the table, for both cloths. A
// small value (about 150 bytes) that a search worker copies instead of the
// whole document and its trajectory buffers.
struct PhysicsSetting
{
    double restSpeed;
    double restSpin;
    double timeStep;
    double sampleInterval;
    double clothFriction[2];  // [0] normal play, [1] artistic play (the slow cloth)
    double sideSpinDecay[2];  // per second, for each cloth
    double cushionRestitution;
    double ballGearing;
    double mass;
    double invMass;
    double radius;
    double radiusSq;
    double radiusOverInertia;
    double diameter;
    double diameterSq;
    double spanX;  // ball-centre span of the table, metres
    double spanY;

    // The setting of doc's physics and table. Each cloth's coefficients are
    // those the document would switch to for a shot of that mode, bit for bit.
    static PhysicsSetting Of(const CMirobeltDoc& doc);
};
