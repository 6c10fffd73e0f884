#pragma once

#include <cstdint>

// Record of one ball's motion during the last computed shot: one sample per
// sampling interval (0.01 s of simulated time), at most 200 s.
constexpr int kTrajectoryCapacity = 20000;

struct TrajectoryBuffer
{
    double x[kTrajectoryCapacity];
    double y[kTrajectoryCapacity];
    std::uint32_t sampleNo[kTrajectoryCapacity];  // time stamp, in sampling intervals
    std::int32_t m_nCursor = 0;                   // search hint of PositionAt
    std::int32_t m_nCount = 0;                    // samples in use

    // Position of the ball at trajectory time t, interpolated between the two
    // samples around it. Before the first sample: the first; past the last:
    // the last. An empty buffer leaves outX and outY untouched.
    void PositionAt(std::uint32_t t, double& outX, double& outY);
};
