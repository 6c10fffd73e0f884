#include <gtest/gtest.h>

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
