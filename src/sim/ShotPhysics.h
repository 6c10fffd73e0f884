// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "sim/BallState.h"
#include "sim/ContactReceiver.h"
#include "sim/TrajectoryBuffer.h"

// 1 when the computation about to run was asked for by a command or a key: the
// integration loop then never asks whether the pointer moved. 0 after pointer
// input: every 301 recorded samples the loop asks, and stops if it did.
extern std::int32_t g_bNoMouseAbort;
// Samples recorded since the pointer question was last asked; never reset by a shot.
extern std::int32_t g_nPollCount;

// The pointer question of the integration loop: "has the pointer moved since
// the computation began?". The window installs its answer; without one the
// answer is no.
using PointerMovedQuery = bool (*)();
extern PointerMovedQuery g_pfnPointerMoved;

// What LoadTuning made of its file.
enum class TuningFileResult
{
    Applied,         // read (values that are out of range change nothing)
    Created,         // missing, created with neutral values
    CannotCreate,    // missing, and could not be created
    CannotOpen,      // there, but not allowed
    IsFolder,
    NotRegularFile,  // a device or a pipe
    TooLarge,
    WordTooLong,
};

// Sample number stamped on the final sample of a shot is n + 1, see Simulate.
class CShotPhysics
{
public:
    // tuningPath: the tuning coefficients file to apply (created with neutral
    // values when missing); nullptr reads and creates nothing.
    explicit CShotPhysics(const char* tuningPath = nullptr);

    // A physics with the coefficients of setting that records no trajectory
    // and touches no process-wide value: the one a worker thread computes with.
    // Its cloth is the normal one.
    explicit CShotPhysics(const struct PhysicsSetting& setting);

    // Cue strike: velocity and spin of the struck ball. Writes nothing when
    // the aim vector is shorter than the ball radius.
    void StrikeBall(double power, double follow, double side, double elevation, double dirX,
                    double dirY, double& vx, double& vy, double& wx, double& wy, double& wz) const;

    // Start state of the next shot; empties the three trajectory buffers.
    void LoadStartState(const BallState start[3]);

    // Integrates from m_state until every ball rests, the pointer moves (see
    // g_bNoMouseAbort), the contact receiver ends the shot or the trajectory
    // buffers are full.
    void Simulate();

    // The same integration, skipping ahead in closed form over the steps in
    // which no ball can meet a cushion or another ball, stop or stop sliding
    // (see ShotScreening.cpp). Records no trajectory; tells the contact
    // receiver of the same contacts, with the same steps, as Simulate except
    // within rounding of an edge case. A screening, never the shot played.
    void SimulateScreening();

    // Whether ball b of the working state is at rest, by the test that stops
    // its motion in StepBall.
    bool BallAtRest(int b) const
    {
        const BallState& s = m_work[b];
        return -m_dRestSpeed < s.vx && s.vx < m_dRestSpeed && -m_dRestSpeed < s.vy && s.vy < m_dRestSpeed &&
               -m_dRestSpin < s.wx && s.wx < m_dRestSpin && -m_dRestSpin < s.wy && s.wy < m_dRestSpin;
    }

    // One integration step of ball b of the working state. 1 when the ball was
    // moving at the start of the step, 0 when it was at rest.
    int StepBall(int b, double dt);
    // Contact of balls i and j within the step; true when there was one.
    bool CollideBalls(int i, int j);
    // Cushion impacts of ball b; true when there was one.
    bool CheckCushions(int b);
    void CushionImpact(double& vt, double& vn, double& wt, double& wn, double& wc) const;

    // Applies the tuning coefficients file at path; creates it when missing.
    // A file that is not a regular one, larger than 1 MiB or holding a word
    // of more than 4096 characters is not read: the coefficients stay.
    TuningFileResult LoadTuning(const char* path);

    // Friction rule shared by the tuning file and the cloth switches.
    void RecomputeSideSpinDecay();

    BallState m_state[3];           // start state of the last computed shot
    TrajectorySet m_traj;           // white, red, spotted; no storage for a physics made from a setting
    double m_dRestSpeed;
    double m_dRestSpin;
    double m_dTimeStep;
    double m_dSampleInterval;
    double m_dClothFriction;
    double m_dSideSpinDecay;
    double m_dCushionRestitution;
    double m_dBallGearing;
    double m_dMass;
    double m_dInvMass;
    double m_dRadius;
    double m_dRadiusSq;
    double m_dRadiusOverInertia;
    double m_dDiameter;
    double m_dDiameterSq;
    double m_dSpanX;
    double m_dSpanY;

    // Working state advanced by Simulate and the step operations; m_state is
    // never written back.
    BallState m_work[3];

    // Told of every contact of the next shots; nullptr for none.
    ContactReceiver* m_pContacts = nullptr;
    // false for a computation that never asks the pointer question, and so
    // never reads or writes g_bNoMouseAbort and g_nPollCount: one that runs
    // beside the window on another thread.
    bool m_bWatchesPointer = true;
    // Integration steps done in the current shot.
    std::uint32_t m_nStep = 0;

private:
    // The step of StepBall for a ball not at rest.
    void MoveBall(int b, double dt);
    // The rolling step: whether a ball takes it, the step without the spin,
    // and the spin it leaves.
    bool RollsFreely(const BallState& s) const;
    void RollBall(BallState& s, double dt) const;
    // The values of a rolling step, worked out once for a whole shot.
    struct RollingStep
    {
        double dt;
        double noImpulse;  // the zero impulse the step adds, keeping the sign of zeros
        double loss;       // rolling loss of speed
        double decay;      // side-spin decay
    };
    RollingStep RollingStepOf(double dt) const;
    static void Roll(BallState& s, const RollingStep& step);
    // The step of MoveBall for a ball that does not roll freely.
    void SlideBall(BallState& s, double dt);
    void RebuildRollingSpin(BallState& s) const;
    // Steps after this one in which CollideBalls(i, j) certainly finds no
    // contact, as long as neither ball meets another or a cushion; a ball
    // that rests keeps its velocity.
    int IdleSteps(int i, int j, bool iRests, bool jRests) const;
    // Steps after this one in which CheckCushions(b) certainly finds no
    // impact, as long as the ball meets no other.
    int CushionIdleSteps(int b, bool rests) const;
    void RecordSample(int b, std::uint32_t sampleNo);
    // The rare path of a contact: tells the receiver, when there is one.
    [[gnu::noinline]] void ReportContact(int ball, int other, Cushion cushion);

    bool m_bEndRequested = false;  // the receiver has asked the shot to end
};
