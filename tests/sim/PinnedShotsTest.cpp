// Forty varied shots pinned to the bit: every sample of every ball and every
// contact of each shot goes into one hash, recorded once and never to change.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "sim/MirobeltDoc.h"

namespace
{
struct PinnedShot
{
    ShotSetup setup;
    int tableFormat;
};

// Three positions, each played in varied directions and strokes: plain rolls,
// draw, follow, side, raised and massé strokes, the artistic cloth, every
// table format and every cue ball.
std::vector<PinnedShot> PinnedShots()
{
    const BallStart positions[3][3] = {
        {{0.5, 0.6}, {1.5, 0.45}, {2.0, 0.95}},
        {{1.2, 0.3}, {1.1, 0.9}, {0.3, 0.2}},
        {{0.2, 0.15}, {0.9, 0.5}, {0.6, 0.35}},
    };
    std::vector<PinnedShot> shots;
    for (int i = 0; i < 40; ++i)
    {
        const BallStart* balls = positions[i % 3];
        ShotSetup s;
        s.cueBall = 1 + (i / 3) % 3;
        const BallStart& cue = balls[s.cueBall - 1];
        const double angle = i * 0.4363;  // about 25 degrees apart
        s.aimOriginX = cue.x;
        s.aimOriginY = cue.y;
        s.aimTargetX = cue.x + 0.5 * std::cos(angle);
        s.aimTargetY = cue.y + 0.5 * std::sin(angle);
        s.force = 0.15 + 0.85 * ((i * 7) % 11) / 10.0;
        s.strikeHeight = ((i * 5) % 9 - 4) / 5.0;
        s.strikeSide = ((i * 3) % 7 - 3) / 4.0;
        s.raiseAngle = i % 5 == 4 ? 60 + i % 20 : (i % 4) * 6;
        s.strikeMode = i % 6 == 5 ? 150 : 50;
        for (int b = 0; b < 3; ++b)
            s.balls[b] = balls[b];
        shots.push_back({s, i % 8 == 7 ? 1 + (i / 8) % 3 : 2});
    }
    return shots;
}

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
