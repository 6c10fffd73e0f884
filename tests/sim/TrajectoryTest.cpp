#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "sim/TrajectoryBuffer.h"

namespace
{
// Fills the first samples of a buffer; the position of sample i is (x, -x).
void Fill(TrajectoryBuffer& b, std::initializer_list<std::uint32_t> stamps,
          std::initializer_list<double> xs)
{
    int i = 0;
    for (std::uint32_t s : stamps)
        b.sampleNo[i++] = s;
    i = 0;
    for (double v : xs)
    {
        b.x[i] = v;
        b.y[i++] = -v;
    }
    b.m_nCount = static_cast<std::int32_t>(stamps.size());
    b.m_nCursor = 0;
}

double XAt(TrajectoryBuffer& b, std::uint32_t t, std::int32_t cursor)
{
    b.m_nCursor = cursor;
    double x = -1000, y = 1000;
    b.PositionAt(t, x, y);
    EXPECT_EQ(y, -x) << "t " << t;
    return x;
}
}

TEST(PositionAt, SamplesAndSegments)
{
    auto b = std::make_unique<TrajectoryBuffer>();
    Fill(*b, {0, 0, 1, 2, 4, 5}, {10, 11, 12, 13, 17, 18});
    EXPECT_EQ(XAt(*b, 0, 0), 10);  // segment of equal stamps: its first sample
    EXPECT_EQ(XAt(*b, 0, 3), 11);  // reached from above: stamp 0 of sample 1
    for (std::int32_t cursor : {0, 3, 100})
    {
        EXPECT_EQ(XAt(*b, 1, cursor), 12) << cursor;  // exact stamp: that sample
        EXPECT_EQ(XAt(*b, 2, cursor), 13) << cursor;
        EXPECT_EQ(XAt(*b, 3, cursor), 15) << cursor;  // halfway between 13 and 17
        EXPECT_EQ(XAt(*b, 7, cursor), 18) << cursor;  // past the last
    }

    Fill(*b, {5, 6, 8}, {1, 2, 3});
    EXPECT_EQ(XAt(*b, 2, 0), 1);  // before the first
    EXPECT_EQ(XAt(*b, 2, 2), 1);
}

TEST(PositionAt, EmptyAndSingleSampleBuffers)
{
    auto b = std::make_unique<TrajectoryBuffer>();
    double x = 7, y = 8;
    b->PositionAt(3, x, y);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);

    // Stale samples past the one in use must not be read.
    Fill(*b, {0, 10}, {1, 99});
    b->m_nCount = 1;
    for (std::int32_t cursor : {0, 1, 5})
    {
        EXPECT_EQ(XAt(*b, 0, cursor), 1);
        EXPECT_EQ(XAt(*b, 5, cursor), 1);
    }
}
