// SPDX-License-Identifier: GPL-3.0-or-later
// The demonstration sequence: "demo.se2" read at the first draw, then a timer
// that plays its positions one after another.

#include <vector>

#include "positions/DemoFile.h"
#include "view/MirobeltView.h"

namespace
{
constexpr const char* kDemoFileName = "demo.se2";
}

void CMirobeltView::OnTimer(int timerId)
{
    if (m_nDemoTimer == 0 || timerId != static_cast<int>(m_nDemoTimer))
        return;
    if (m_bPlayLoop == 0 && !m_playback.Pausing())
        OnPlayAndNext();
}

void CMirobeltView::LoadDemoSequence()
{
    std::vector<PositionEntry> entries(List().Slots(), List().Slots() + kPositionListSlots);
    int count = List().Count();
    if (!ReadDemoSequence(kDemoFileName, entries.data(), count))
        return;  // no file, or not a sequence: the list stays as it was
    // Nothing shown yet; the first tick plays entry 0.
    EditList().Assign(entries.data(), count, -1);
    if (List().Count() != 0 && m_nDemoTimer == 0)
        StartDemoTimer();
}

void CMirobeltView::StartDemoTimer()
{
    KillDemoTimer();
    const int id = startTimer(static_cast<int>(DEMO_TIMER_PERIOD_MS));
    m_nDemoTimer = id > 0 ? static_cast<std::uint32_t>(id) : 0;
}

void CMirobeltView::KillDemoTimer()
{
    if (m_nDemoTimer != 0)
        killTimer(static_cast<int>(m_nDemoTimer));
    m_nDemoTimer = 0;
}
