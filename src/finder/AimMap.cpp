// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/AimMap.h"

#include <algorithm>
#include <cmath>

#include "finder/ShotSearch.h"
#include "finder/WindowScan.h"

double AimArc::MiddleDegrees() const { return std::fmod(startDegrees + widthDegrees / 2, 360.0); }

AimMap ComputeAimMap(const PhysicsSetting& setting, const ShotSetup& setup, Game game,
                     const std::atomic<bool>& cancel, int threads)
{
    AimMap map;
    if (setup.cueBall < 1 || setup.cueBall > 3)
        return map;
    SearchWorkers workers(setting, game, setup.cueBall, threads, cancel);
    WindowScan scan(workers, {setup}, kAimOnlyFirstPass);
    scan.FirstPass();
    std::vector<const WindowScan::Run*> runs;
    for (const WindowScan::Run& run : scan.Runs())
        runs.push_back(&run);
    const std::vector<ScoringWindow> windows = workers.Cancelled() ? std::vector<ScoringWindow>{} : scan.Refine(runs);

    std::vector<AimArc> arcs(windows.size());
    std::vector<char> confirmed(windows.size(), 0);
    workers.Parallel(windows.size(), [&](int worker, std::size_t item) {
        const ScoringWindow& window = windows[item];
        const double middle = (window.low + window.high) / 2;
        const ShotOutcome outcome = workers.Exact(worker, scan.Aimed(0, middle));
        if (outcome.verdict != Verdict::Scored)
            return;
        AimArc& arc = arcs[item];
        arc.widthDegrees = std::min(360.0, window.Width());
        arc.startDegrees = std::fmod(std::fmod(window.low, 360.0) + 360.0, 360.0);
        arc.endDegrees = arc.startDegrees + arc.widthDegrees;
        arc.firstBall = outcome.firstBall;
        arc.cushionPath = outcome.cushionPath;
        confirmed[item] = 1;
    });
    map.evaluated = workers.Evaluated();
    map.cancelled = workers.Cancelled();
    if (map.cancelled)
        return map;
    for (std::size_t k = 0; k < arcs.size(); ++k)
        if (confirmed[k])
            map.arcs.push_back(arcs[k]);
    std::sort(map.arcs.begin(), map.arcs.end(),
              [](const AimArc& a, const AimArc& b) { return a.startDegrees < b.startDegrees; });
    return map;
}

LiveAimMap::LiveAimMap(Listener listener, int threads) : m_listener(std::move(listener)), m_threads(threads)
{
    m_thread = std::jthread([this](std::stop_token stop) { Loop(stop); });
}

LiveAimMap::~LiveAimMap()
{
    m_thread.request_stop();
    m_cancelRunning = true;
    m_wake.notify_all();
    // The jthread joins as the member goes.
}

std::uint64_t LiveAimMap::Request(const CMirobeltDoc& prototype, const ShotSetup& setup, Game game)
{
    const PhysicsSetting setting = PhysicsSetting::Of(prototype);
    const std::lock_guard lock(m_mutex);
    const std::uint64_t generation = ++m_generation;
    m_pending = Job{setting, setup, game, generation};
    m_cancelRunning = true;
    m_wake.notify_all();
    return generation;
}

void LiveAimMap::Cancel()
{
    const std::lock_guard lock(m_mutex);
    ++m_generation;
    m_pending.reset();
    m_cancelRunning = true;
}

void LiveAimMap::Loop(std::stop_token stop)
{
    for (;;)
    {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return m_pending.has_value(); }))
                return;
            job = std::move(*m_pending);
            m_pending.reset();
            m_cancelRunning = false;
            m_busy = true;
        }
        const AimMap map = ComputeAimMap(job.setting, job.setup, job.game, m_cancelRunning, m_threads);
        m_busy = false;
        if (!map.cancelled && job.generation == m_generation.load() && !stop.stop_requested())
            m_listener(job.generation, map);
    }
}
