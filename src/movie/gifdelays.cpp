// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifdelays.h"

#include <cmath>

namespace tessa {

namespace {

long long hundredths(double seconds)
{
    return std::llround(seconds * 100.0);
}

} // namespace

void GifDelays::start(double seconds)
{
    m_origin = hundredths(seconds);
    m_pendingStart = m_origin;
    m_merged = 0;
}

int GifDelays::next(double seconds)
{
    const long long at = hundredths(seconds);
    const long long delay = at - m_pendingStart;
    if (delay < kMinGifDelay)
        return 0;
    m_pendingStart = at;
    return static_cast<int>(delay);
}

int GifDelays::finish(double seconds, bool havePrevious)
{
    const long long delay = hundredths(seconds) - m_pendingStart;
    m_merged = 0;
    if (delay >= kMinGifDelay || !havePrevious)
        return static_cast<int>(delay < kMinGifDelay ? kMinGifDelay : delay);
    m_merged = static_cast<int>(delay < 0 ? 0 : delay);
    return 0;
}

std::vector<int> planGifDelays(const std::vector<double> &moments, double end)
{
    std::vector<int> delays(moments.size(), 0);
    if (moments.empty())
        return delays;
    GifDelays clock;
    clock.start(moments.front());
    std::size_t pending = 0;
    int lastKept = -1;
    for (std::size_t i = 1; i < moments.size(); ++i) {
        const int delay = clock.next(moments[i]);
        if (delay > 0) {
            delays[pending] = delay;
            lastKept = static_cast<int>(pending);
        }
        pending = i;
    }
    const int last = clock.finish(end, lastKept >= 0);
    if (last > 0)
        delays[pending] = last;
    else
        delays[static_cast<std::size_t>(lastKept)] += clock.lastMerged();
    return delays;
}

} // namespace tessa
