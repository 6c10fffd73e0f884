// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/WorkerPool.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

void RunOnWorkers(int threads, std::size_t count, const std::atomic<bool>& cancel,
                  const std::function<void(int worker, std::size_t item)>& body,
                  const std::function<void()>& tick, std::chrono::milliseconds tickInterval)
{
    threads = std::max(1, threads);
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable allEnded;
    int running = threads;

    std::vector<std::jthread> workers;
    workers.reserve(threads);
    for (int w = 0; w < threads; ++w)
    {
        workers.emplace_back([&, w] {
            for (;;)
            {
                if (cancel.load(std::memory_order_relaxed))
                    break;
                const std::size_t item = next.fetch_add(1, std::memory_order_relaxed);
                if (item >= count)
                    break;
                body(w, item);
            }
            const std::lock_guard lock(mutex);
            --running;
            allEnded.notify_all();
        });
    }

    std::unique_lock lock(mutex);
    while (!allEnded.wait_for(lock, tickInterval, [&] { return running == 0; }))
    {
        lock.unlock();
        if (tick)
            tick();
        lock.lock();
    }
    lock.unlock();
    // Work that ends before the first tick still reports where it ended.
    if (tick)
        tick();
    // The jthreads join as the vector goes.
}
