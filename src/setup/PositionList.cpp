// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/PositionList.h"

#include <algorithm>

void PositionList::Record(const PositionEntry& entry)
{
    RecordPositionEntry(m_slots.data(), m_count, m_current, entry, true);
}

bool PositionList::StepBack()
{
    if (m_count <= 0)
        return false;
    if (m_current < 0)
        m_current = m_count - 1;  // nothing shown yet: the last entry
    else if (m_current > 0)
        --m_current;
    return true;
}

bool PositionList::StepForward()
{
    if (m_current < m_count - 1 && m_count >= 0)
    {
        ++m_current;
        return true;
    }
    return false;
}

bool PositionList::DropLast()
{
    if (m_count <= 0)
        return false;
    --m_count;
    if (m_count == 0)
    {
        m_current = -1;
        return false;
    }
    if (m_current > m_count - 1)
    {
        m_current = m_count - 1;
        return true;
    }
    return false;
}

void PositionList::Replace(const std::vector<PositionEntry>& slots, int count)
{
    std::fill(m_slots.begin(), m_slots.end(), PositionEntry{});
    std::copy_n(slots.begin(), std::min<std::size_t>(slots.size(), m_slots.size()), m_slots.begin());
    m_count = std::clamp(count, 0, kPositionListMaxCount);
    m_current = -1;
}

void PositionList::Assign(const PositionEntry* slots, int count, int current)
{
    std::copy_n(slots, kPositionListSlots, m_slots.begin());
    m_count = count;
    m_current = current;
}
