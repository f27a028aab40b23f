// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "workerpool.h"

#include <algorithm>

namespace tessa {

WorkerPool::WorkerPool(unsigned threads)
{
    for (unsigned i = 0; i < std::max(threads, 1u); ++i)
        m_threads.emplace_back([this](std::stop_token stop) { work(stop); });
}

WorkerPool::~WorkerPool()
{
    for (std::jthread &thread : m_threads)
        thread.request_stop();
    m_wake.notify_all();
    m_threads.clear(); // joins
}

void WorkerPool::post(std::function<void()> job)
{
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void WorkerPool::work(std::stop_token stop)
{
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return !m_jobs.empty(); }))
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
}

} // namespace tessa
