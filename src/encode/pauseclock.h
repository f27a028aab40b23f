// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "timing/timeline.h"

namespace tessa {

// Turns the times of a movie into pause items that the game plays at the same ticks. Rounding is
// cumulative: each pause is made to end on the tick nearest the movie's time measured from the
// start, so rounding never adds up and the whole lasts the movie's length to the tick (to half a
// pause unit when one unit is more than one tick).
class PauseClock
{
public:
    // The longest pause one item holds, as the editor writes them; longer waits take several.
    static constexpr int kLongestPauseItem = 255;

    // `timing` as `tessanim render` plays it; the pause multiplier must be above 0.
    explicit PauseClock(const TimingSettings &timing);

    // The tick nearest `seconds` after the start.
    Tick tickAt(double seconds) const;
    // The tick the pauses written so far end on.
    Tick now() const { return m_now; }
    // Appends to `items` the pauses that carry the screen on to `tick` (none when it has passed).
    void pauseUntil(Tick tick, ItemList &items);
    // Counts `ticks` that an item other than a pause takes (a fade).
    void advance(Tick ticks) { m_now += ticks; }

private:
    double m_tickRate;
    double m_multiplier;
    Tick m_now = 0;
};

} // namespace tessa
