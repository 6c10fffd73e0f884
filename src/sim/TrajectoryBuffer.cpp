// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/TrajectoryBuffer.h"

void TrajectoryBuffer::PositionAt(std::uint32_t t, double& outX, double& outY)
{
    const std::int32_t n = m_nCount;
    if (n == 0)
        return;
    // A single sample has no segment around it: the cursor search below
    // needs at least two samples.
    if (n == 1)
    {
        outX = x[0];
        outY = y[0];
        return;
    }

    if (m_nCursor >= n)
        m_nCursor = n - 1;
    if (m_nCursor < 1)
        m_nCursor = 1;

    for (;;)
    {
        const std::int32_t c = m_nCursor;
        const std::uint32_t t0 = sampleNo[c - 1];
        const std::uint32_t t1 = sampleNo[c];
        if (t0 <= t && t <= t1)
        {
            const std::uint32_t d = t1 - t0;
            if (d == 0)
            {
                outX = x[c - 1];
                outY = y[c - 1];
                return;
            }
            const double before = static_cast<double>(t1 - t);
            const double after = static_cast<double>(t - t0);
            const double span = static_cast<double>(d);
            outX = (x[c - 1] * before + x[c] * after) / span;
            outY = (y[c - 1] * before + y[c] * after) / span;
            return;
        }
        if (t < t0)
            m_nCursor = c - 1;
        if (t > sampleNo[m_nCursor])
            ++m_nCursor;
        if (m_nCursor <= 0)
        {
            outX = x[0];
            outY = y[0];
            return;
        }
        if (m_nCursor >= n - 1)
        {
            outX = x[n - 1];
            outY = y[n - 1];
            return;
        }
    }
}
