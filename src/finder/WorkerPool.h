// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>

// Runs body(worker, item) once for every item of [0, count) on threads worker
// threads (worker 0 to threads - 1), handing the items out one at a time.
// Once cancel is set no further item starts. The calling thread only waits,
// calling tick() about every tickInterval and once more when every worker has
// ended, then returns.
void RunOnWorkers(int threads, std::size_t count, const std::atomic<bool>& cancel,
                  const std::function<void(int worker, std::size_t item)>& body,
                  const std::function<void()>& tick,
                  std::chrono::milliseconds tickInterval = std::chrono::milliseconds(20));
