// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifdelays.h"

#include <algorithm>
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

GifEnding GifDelays::finish(double seconds, int previous) const
{
    const int last = static_cast<int>(std::max(0LL, hundredths(seconds) - m_pendingStart));
    if (last >= kMinGifDelay || previous <= 0)
        return {previous, std::max(last, kMinGifDelay)};
    const int borrowed = kMinGifDelay - last;
    if (previous - borrowed >= kMinGifDelay)
        return {previous - borrowed, kMinGifDelay};
    return {0, previous + last};
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
    const GifEnding ending = clock.finish(end, lastKept >= 0 ? delays[std::size_t(lastKept)] : 0);
    if (lastKept >= 0)
        delays[std::size_t(lastKept)] = ending.previous;
    delays[pending] = ending.last;
    return delays;
}

} // namespace tessa
