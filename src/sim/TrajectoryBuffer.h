// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

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

// The trajectory buffers of the three balls (white, red, spotted), held on the
// heap so that a physics stays small. It reads as an array of three buffers. A
// set made with Empty() has no storage: a computation that records no
// trajectory (the finder's) uses it.
class TrajectorySet
{
public:
    TrajectorySet() : m_buffers(new TrajectoryBuffer[3]) {}
    static TrajectorySet Empty() { return TrajectorySet(nullptr); }

    TrajectorySet(const TrajectorySet& other) : m_buffers(other.m_buffers ? new TrajectoryBuffer[3] : nullptr)
    {
        CopyFrom(other);
    }
    TrajectorySet& operator=(const TrajectorySet& other)
    {
        if (this != &other)
        {
            if (!other.m_buffers)
                m_buffers.reset();
            else if (!m_buffers)
                m_buffers.reset(new TrajectoryBuffer[3]);
            CopyFrom(other);
        }
        return *this;
    }
    TrajectorySet(TrajectorySet&&) = default;
    TrajectorySet& operator=(TrajectorySet&&) = default;

    bool HasStorage() const { return m_buffers != nullptr; }

    operator TrajectoryBuffer*() { return m_buffers.get(); }
    operator const TrajectoryBuffer*() const { return m_buffers.get(); }
    TrajectoryBuffer* begin() { return m_buffers.get(); }
    TrajectoryBuffer* end() { return m_buffers.get() + (m_buffers ? 3 : 0); }
    const TrajectoryBuffer* begin() const { return m_buffers.get(); }
    const TrajectoryBuffer* end() const { return m_buffers.get() + (m_buffers ? 3 : 0); }

private:
    explicit TrajectorySet(std::nullptr_t) {}
    void CopyFrom(const TrajectorySet& other)
    {
        if (other.m_buffers)
            for (int b = 0; b < 3; ++b)
                m_buffers[b] = other.m_buffers[b];
    }

    std::unique_ptr<TrajectoryBuffer[]> m_buffers;
};
