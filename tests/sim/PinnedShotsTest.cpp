// SPDX-License-Identifier: GPL-3.0-or-later
// Forty varied shots pinned to the bit: every sample of every ball and every
// contact of each shot goes into one hash, recorded once and never to change.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "sim/MirobeltDoc.h"
#include "PinnedShots.h"

namespace
{
struct HashingReceiver final : ContactReceiver
{
    std::vector<Contact> contacts;
    bool OnContact(const Contact& c) override
    {
        contacts.push_back(c);
        return false;
    }
    bool OnSample(const CShotPhysics&) override { return false; }
};

class Fnv
{
public:
    template <class T> void Add(const T& value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes)
            m_hash = (m_hash ^ byte) * 0x100000001b3ULL;
    }
    std::uint64_t Value() const { return m_hash; }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325ULL;
};

std::uint64_t HashOfShot(CMirobeltDoc& doc, const PinnedShot& shot)
{
    HashingReceiver receiver;
    doc.ApplyTableFormat(shot.tableFormat);
    doc.SetShotRequest(shot.setup);
    doc.m_physics.m_pContacts = &receiver;
    doc.RunShot();
    doc.m_physics.m_pContacts = nullptr;

    Fnv fnv;
    for (const TrajectoryBuffer& t : doc.m_physics.m_traj)
    {
        fnv.Add(t.m_nCount);
        for (int i = 0; i < t.m_nCount; ++i)
        {
            fnv.Add(t.x[i]);
            fnv.Add(t.y[i]);
            fnv.Add(t.sampleNo[i]);
        }
    }
    for (const Contact& c : receiver.contacts)
    {
        fnv.Add(c.step);
        fnv.Add(c.ball);
        fnv.Add(c.other);
        fnv.Add(c.cushion);
    }
    return fnv.Value();
}
}  // namespace

TEST(PinnedShots, TrajectoriesAndContactsKeepTheirHash)
{
    static const std::uint64_t expected[] = {
#include "PinnedShotsHashes.inc"
    };
    const std::vector<PinnedShot> shots = PinnedShots();
    ASSERT_EQ(shots.size(), std::size(expected));
    g_bNoMouseAbort = 1;
    auto doc = std::make_unique<CMirobeltDoc>();
    for (std::size_t i = 0; i < shots.size(); ++i)
        EXPECT_EQ(HashOfShot(*doc, shots[i]), expected[i]) << "shot " << i;
    doc->ApplyTableFormat(2);
}
