// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The map of scoring aims: every window of aim directions that scores in a
// game with the stroke as it is set, for drawing around the cue ball. It is
// computed on worker threads and restarts when the set-up changes.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "finder/Game.h"
#include "sim/MirobeltDoc.h"
#include "sim/PhysicsSetting.h"

// One window of scoring directions, in degrees (0 to the right, clockwise as
// the table is shown). start is in [0, 360); end = start + width may pass 360.
struct AimArc
{
    double startDegrees = 0;
    double endDegrees = 0;
    double widthDegrees = 0;
    int firstBall = -1;       // the way its middle scores: first object ball,
    std::string cushionPath;  // cushions before the second (letters)
    double MiddleDegrees() const;
};

struct AimMap
{
    std::vector<AimArc> arcs;  // from the direction 0 round the circle
    long long evaluated = 0;
    bool cancelled = false;    // a cancelled map holds no arc
};

// The map of setup's stroke in game: first pass every 0.1 degree, every
// scoring run checked every 0.02 degree with its edges halved, each arc's
// middle confirmed by the exact computation (arcs whose middle does not
// score there are left out). Ends within one shot per worker once cancel is set.
AimMap ComputeAimMap(const PhysicsSetting& setting, const ShotSetup& setup, Game game,
                     const std::atomic<bool>& cancel, int threads = 0);
inline AimMap ComputeAimMap(const CMirobeltDoc& prototype, const ShotSetup& setup, Game game,
                            const std::atomic<bool>& cancel, int threads = 0)
{
    return ComputeAimMap(PhysicsSetting::Of(prototype), setup, game, cancel, threads);
}

// Keeps a map up to date on a thread of its own: each request cancels the
// computation running and starts over on the new set-up. The listener is
// called on that thread with the map of the latest request only.
class LiveAimMap
{
public:
    using Listener = std::function<void(std::uint64_t generation, const AimMap& map)>;

    explicit LiveAimMap(Listener listener, int threads = 0);
    ~LiveAimMap();
    LiveAimMap(const LiveAimMap&) = delete;
    LiveAimMap& operator=(const LiveAimMap&) = delete;

    // A new set-up to map on prototype's table and physics; returns the
    // generation its map will carry.
    std::uint64_t Request(const CMirobeltDoc& prototype, const ShotSetup& setup, Game game);
    // Stops the computation running, if any; no map comes until the next request.
    void Cancel();
    std::uint64_t Generation() const { return m_generation.load(); }
    bool Busy() const { return m_busy.load(); }

private:
    struct Job
    {
        PhysicsSetting setting;
        ShotSetup setup;
        Game game;
        std::uint64_t generation;
    };
    void Loop(std::stop_token stop);

    Listener m_listener;
    int m_threads;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::optional<Job> m_pending;
    std::atomic<bool> m_cancelRunning{false};
    std::atomic<std::uint64_t> m_generation{0};
    std::atomic<bool> m_busy{false};
    std::jthread m_thread;  // started last
};
