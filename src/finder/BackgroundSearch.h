// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "finder/ShotSearch.h"

// A search running on a thread of its own, so that the window never waits
// for it: the window polls its progress and takes the result once done.
// Destroying it cancels the search and waits for its workers to end.
class BackgroundSearch
{
public:
    // The prototype document is copied: the caller's may change meanwhile.
    BackgroundSearch(const CMirobeltDoc& prototype, const SearchRequest& request);
    ~BackgroundSearch();
    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

    void Cancel() { m_cancel = true; }
    bool Done() const { return m_done.load(std::memory_order_acquire); }
    // Share of the planned shots computed so far, 0 to 1.
    double Fraction() const;
    // The result, once Done.
    const SearchResult& Result() const { return m_result; }
    const SearchRequest& Request() const { return m_request; }

private:
    std::unique_ptr<CMirobeltDoc> m_prototype;
    SearchRequest m_request;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_done{false};
    std::atomic<long long> m_evaluated{0};
    std::atomic<long long> m_planned{0};
    SearchResult m_result;
    std::jthread m_thread;  // started last, once everything it uses exists
};
