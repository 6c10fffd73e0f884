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
// (SetShotRequest then RunShot): the same start state, cloth and steps.
//
//     ShotComputation computation(PhysicsSetting::Of(doc));
//     computation.Run(setup, ComputeMode::Screening, &receiver);
//
// The receiver is told of every contact (ContactReceiver::OnContact) in the
// order the exact computation applies them, with their step numbers, and is
// asked at the recorded sample times (OnSample, with Physics() in its working
// state) whether the shot may end; either may end it early. In screening
// mode OnSample is called at the first sample time after each skipped stretch
// that crossed one, and always at the sample time that follows a ball coming
// to rest, with the balls in the same state as the exact computation's there.
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
