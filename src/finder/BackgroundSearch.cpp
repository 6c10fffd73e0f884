// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/BackgroundSearch.h"

#include <algorithm>

BackgroundSearch::BackgroundSearch(const CMirobeltDoc& prototype, const SearchRequest& request)
    : m_prototype(std::make_unique<CMirobeltDoc>(prototype)), m_request(request)
{
    m_thread = std::jthread([this] {
        m_result = FindShots(*m_prototype, m_request, m_cancel, [this](long long evaluated, long long planned) {
            m_evaluated = evaluated;
            m_planned = planned;
        });
        m_done.store(true, std::memory_order_release);
    });
}

BackgroundSearch::~BackgroundSearch()
{
    Cancel();
    if (m_thread.joinable())
        m_thread.join();
}

double BackgroundSearch::Fraction() const
{
    if (Done())
        return 1;
    const long long planned = m_planned.load();
    return planned > 0 ? std::min(1.0, static_cast<double>(m_evaluated.load()) / static_cast<double>(planned)) : 0;
}
