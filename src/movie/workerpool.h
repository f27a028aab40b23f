// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace tessa {

// A few threads that run jobs in the order given. A movie's frames are compressed on them: a
// thread of its own for each of a thousand frames cost a tenth of a GIF's time in starting them.
// Jobs not yet begun when the pool is destroyed are dropped (their futures report a broken
// promise); the one running finishes first.
class WorkerPool
{
public:
    explicit WorkerPool(unsigned threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool &) = delete;
    WorkerPool &operator=(const WorkerPool &) = delete;

    // Runs `job` on one of the threads; its result, or its exception, comes through the future.
    template<typename Job>
    auto run(Job job) -> std::future<decltype(job())>
    {
        auto task = std::make_shared<std::packaged_task<decltype(job())()>>(std::move(job));
        auto result = task->get_future();
        post([task] { (*task)(); });
        return result;
    }

private:
    void post(std::function<void()> job);
    void work();

    // A plain flag and condition variable: waiting on a stop token now and then missed the
    // wake-up under MinGW's threads, and a GIF's export hung at the end.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::deque<std::function<void()>> m_jobs;
    std::vector<std::thread> m_threads;
};

} // namespace tessa
