// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

#include "PinnedShots.h"
#include "sim/ShotComputation.h"

namespace
{
struct ContactList final : ContactReceiver
{
    std::vector<std::tuple<std::uint32_t, int, int, Cushion>> contacts;
    bool OnContact(const Contact& c) override
    {
        contacts.emplace_back(c.step, c.ball, c.other, c.cushion);
        return false;
    }
    bool OnSample(const CShotPhysics&) override { return false; }
};

std::vector<double> EndState(const CShotPhysics& physics)
{
    std::vector<double> values{double(physics.m_nStep)};
    for (const BallState& s : physics.m_work)
        values.insert(values.end(), {s.x, s.y, s.vx, s.vy, s.wx, s.wy, s.wz});
    return values;
}
}  // namespace

// The computation of a worker gives the document's shot to the bit: same
// contacts at the same steps, same end state, on every table and both cloths,
// with the document's coefficients for the other cloth.
TEST(ShotComputation, ExactModeIsTheDocumentsShot)
{
    g_bNoMouseAbort = 1;
    auto doc = std::make_unique<CMirobeltDoc>();
    doc->SetSlowCloth();  // the setting starts from the artistic cloth
    for (const PinnedShot& shot : PinnedShots())
    {
        doc->ApplyTableFormat(shot.tableFormat);
        ShotComputation computation(PhysicsSetting::Of(*doc));
        ContactList fromDoc;
        ContactList fromComputation;
        doc->SetShotRequest(shot.setup);
        doc->m_physics.m_pContacts = &fromDoc;
        doc->RunShot();
        doc->m_physics.m_pContacts = nullptr;
        computation.Run(shot.setup, ComputeMode::Exact, &fromComputation);
        ASSERT_EQ(fromComputation.contacts, fromDoc.contacts);
        ASSERT_EQ(EndState(computation.Physics()), EndState(doc->m_physics));
        EXPECT_FALSE(computation.Physics().m_traj.HasStorage());
    }
    doc->ApplyTableFormat(2);
}

namespace
{
// Ends the shot at the first sample at which the cue ball rests.
struct UntilCueBallRests final : ContactReceiver
{
    int cue = 0;
    std::uint32_t restSeenAt = 0;
    bool OnContact(const Contact&) override { return false; }
    bool OnSample(const CShotPhysics& physics) override
    {
        if (!physics.BallAtRest(cue))
            return false;
        restSeenAt = physics.m_nStep;
        return true;
    }
};
}  // namespace

// The screening of the forty varied shots: the same contacts in the same
// order, each within a few steps of the exact one (a glancing contact
// magnifies the screening's tiny differences), and the balls ending within a
// couple of millimetres; asked to end when the cue ball rests, it sees the
// rest within a few samples of the exact computation.
TEST(ShotComputation, ScreeningFollowsTheExactShot)
{
    CMirobeltDoc doc;
    for (const PinnedShot& shot : PinnedShots())
    {
        doc.ApplyTableFormat(shot.tableFormat);
        ShotComputation computation(PhysicsSetting::Of(doc));
        ContactList exact;
        ContactList screening;
        computation.Run(shot.setup, ComputeMode::Exact, &exact);
        const std::vector<double> exactEnd = EndState(computation.Physics());
        computation.Run(shot.setup, ComputeMode::Screening, &screening);
        const std::vector<double> screeningEnd = EndState(computation.Physics());

        ASSERT_EQ(screening.contacts.size(), exact.contacts.size());
        for (std::size_t c = 0; c < exact.contacts.size(); ++c)
        {
            const auto& [exactStep, ball, other, cushion] = exact.contacts[c];
            const auto& [step, screenedBall, screenedOther, screenedCushion] = screening.contacts[c];
            EXPECT_EQ(std::tuple(screenedBall, screenedOther, screenedCushion), std::tuple(ball, other, cushion));
            EXPECT_NEAR(double(step), double(exactStep), 60);
        }
        EXPECT_NEAR(screeningEnd[0], exactEnd[0], 60);
        for (int b = 0; b < 3; ++b)
            EXPECT_LT(std::hypot(screeningEnd[1 + 7 * b] - exactEnd[1 + 7 * b], screeningEnd[2 + 7 * b] - exactEnd[2 + 7 * b]),
                      2e-3);

        UntilCueBallRests exactRest;
        UntilCueBallRests screenedRest;
        exactRest.cue = screenedRest.cue = shot.setup.cueBall - 1;
        computation.Run(shot.setup, ComputeMode::Exact, &exactRest);
        // A shot whose last ball to stop is the cue ball may end before a sample shows it.
        const std::uint32_t exactStop = computation.Physics().m_nStep;
        computation.Run(shot.setup, ComputeMode::Screening, &screenedRest);
        const std::uint32_t screenedEnd = computation.Physics().m_nStep;
        EXPECT_NEAR(double(screenedRest.restSeenAt ? screenedRest.restSeenAt : screenedEnd),
                    double(exactRest.restSeenAt ? exactRest.restSeenAt : exactStop), 60);
    }
    doc.ApplyTableFormat(2);
}

// Set-ups no closed form covers: a non-finite aim fills the buffers' worth of
// steps, overlapping balls and a ball beyond the cushion are stepped exactly
// until they part; the screening ends them at the exact computation's step.
TEST(ShotComputation, ScreeningEndsHostileSetupsAsTheExactOne)
{
    CMirobeltDoc doc;
    ShotComputation computation(PhysicsSetting::Of(doc));
    ShotSetup setup{.aimOriginX = 0.5, .aimOriginY = 0.6, .aimTargetX = std::nan(""), .aimTargetY = 0.47,
                    .balls = {{0.5, 0.6}, {1.5, 0.45}, {2.0, 0.95}}};
    const std::uint32_t fullBuffers = 20 * kTrajectoryCapacity - 1;  // samples every 20 steps
    for (int variant = 0; variant < 3; ++variant)
    {
        if (variant == 1)
        {
            setup.aimTargetX = 1.5;
            setup.balls[1] = {0.52, 0.6};
        }
        if (variant == 2)
            setup.balls[2] = {-0.2, 0.6};
        computation.Run(setup, ComputeMode::Exact, nullptr);
        const std::uint32_t exactSteps = computation.Physics().m_nStep;
        computation.Run(setup, ComputeMode::Screening, nullptr);
        EXPECT_EQ(computation.Physics().m_nStep, exactSteps) << variant;
        EXPECT_EQ(exactSteps == fullBuffers, variant == 0) << variant;
    }
}
