// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pauseclock.h"

#include <algorithm>
#include <cmath>

namespace tessa {

PauseClock::PauseClock(const TimingSettings &timing)
    : m_tickRate(timing.tickRate)
    , m_multiplier(timing.pauseMultiplier)
{
}

Tick PauseClock::tickAt(double seconds) const
{
    return std::max<Tick>(0, std::llround(seconds * m_tickRate));
}

void PauseClock::pauseUntil(Tick tick, ItemList &items)
{
    while (tick > m_now) {
        // Whole units nearest the time still missing; a remainder under half a unit is left to
        // the next pause, which then makes up for it.
        const long long units = std::min<long long>(
                std::llround(double(tick - m_now) / m_multiplier), kLongestPauseItem);
        // As the timeline plays a pause: its units times the multiplier, rounded.
        const Tick ticks = std::llround(double(units) * m_multiplier);
        if (units <= 0 || ticks <= 0)
            return;
        items.push_back(makePauseItem(std::int16_t(units)));
        m_now += ticks;
    }
}

} // namespace tessa
