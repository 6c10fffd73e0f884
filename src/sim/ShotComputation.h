// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sim/MirobeltDoc.h"
#include "sim/PhysicsSetting.h"
#include "sim/ShotPhysics.h"

// How a shot is computed.
enum class ComputeMode
{
    // The fixed-step integration of the document: the only source of truth.
    Exact,
    // The same loop skipping ahead in closed form where no event can happen:
    // many times faster, for searching; its contacts agree with the exact
    // ones except for shots within rounding of a change of outcome.
    Screening,
};

// Computes shots from a physics setting, without trajectory buffers and without
// touching any process-wide value, so that each search thread can own one (a
// few hundred bytes). A shot is computed as the document computes it
// (SetShotRequest then RunShot): the same start state, cloth and steps; in
// exact mode its contacts and end state are the document's to the bit.
//
//     ShotComputation computation(PhysicsSetting::Of(doc));  // once per thread
//     ContactLog log(game, cueBall - 1, true);               // any ContactReceiver
//     computation.Run(setup, ComputeMode::Screening, &log);
//
// The receiver is told of every contact (ContactReceiver::OnContact) in the
// order the computation applies them, with their step numbers, and is asked
// at recorded sample times (OnSample, given Physics() in its working state)
// whether the shot may end; either may end it early, at the next sample as in
// the document. In screening mode OnSample is asked after each skipped
// stretch that crossed a sample time, and always at the first sample time
// after a ball has come to rest, so a receiver that waits for the cue ball to
// rest sees it before any later contact, as in the exact computation.
class ShotComputation
{
public:
    explicit ShotComputation(const PhysicsSetting& setting);

    // Computes the shot of setup. receiver may be nullptr.
    void Run(const ShotSetup& setup, ComputeMode mode, ContactReceiver* receiver);

    // The physics after the last shot: its working state (m_work) is where the
    // balls were when the computation ended, m_nStep the steps it took.
    const CShotPhysics& Physics() const { return m_physics; }
    const PhysicsSetting& Setting() const { return m_setting; }

private:
    PhysicsSetting m_setting;
    CShotPhysics m_physics;
};
