// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <utility>

#include "sim/TrajectoryBuffer.h"

namespace
{
// Fills the first samples of a buffer with (stamp, x); the position is (x, -x).
void Fill(TrajectoryBuffer& b, std::initializer_list<std::pair<std::uint32_t, double>> samples)
{
    b.m_nCount = 0;
    for (auto [stamp, x] : samples)
    {
        b.sampleNo[b.m_nCount] = stamp;
        b.x[b.m_nCount] = x;
        b.y[b.m_nCount++] = -x;
    }
}

// x at time t searched from cursor; -1000 when the buffer leaves the output untouched.
double XAt(TrajectoryBuffer& b, std::uint32_t t, std::int32_t cursor)
{
    b.m_nCursor = cursor;
    double x = -1000, y = 1000;
    b.PositionAt(t, x, y);
    EXPECT_EQ(y, -x) << "t " << t;
    return x;
}
}

TEST(PositionAt, SamplesSegmentsAndShortBuffers)
{
    auto b = std::make_unique<TrajectoryBuffer>();
    Fill(*b, {{0, 10}, {0, 11}, {1, 12}, {2, 13}, {4, 17}, {5, 18}});
    EXPECT_EQ(XAt(*b, 0, 0), 10);  // segment of equal stamps: its first sample
    EXPECT_EQ(XAt(*b, 0, 3), 11);  // reached from above: stamp 0 of sample 1
    for (std::int32_t cursor : {0, 3, 100})
    {
        EXPECT_EQ(XAt(*b, 1, cursor), 12) << cursor;  // exact stamp: that sample
        EXPECT_EQ(XAt(*b, 2, cursor), 13) << cursor;
        EXPECT_EQ(XAt(*b, 3, cursor), 15) << cursor;  // halfway between 13 and 17
        EXPECT_EQ(XAt(*b, 7, cursor), 18) << cursor;  // past the last
    }

    Fill(*b, {{5, 1}, {6, 2}, {8, 3}});
    EXPECT_EQ(XAt(*b, 2, 0), 1);  // before the first
    EXPECT_EQ(XAt(*b, 2, 2), 1);

    // An empty buffer leaves the output; stale samples past the only one in use are not read.
    Fill(*b, {});
    EXPECT_EQ(XAt(*b, 3, 0), -1000);
    Fill(*b, {{0, 1}, {10, 99}});
    b->m_nCount = 1;
    for (std::int32_t cursor : {0, 1, 5})
    {
        EXPECT_EQ(XAt(*b, 0, cursor), 1);
        EXPECT_EQ(XAt(*b, 5, cursor), 1);
    }
}
