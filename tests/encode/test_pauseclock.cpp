// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encode/pauseclock.h"
#include "timing/timeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tessa {
namespace {

// Pictures at a film's 23.976 a second, a still of a minute (several full pauses), a burst at 60
// a second (less than a tick apart at 18.2 ticks a second) and a last picture.
std::vector<double> movieTimes()
{
    std::vector<double> times;
    for (int i = 0; i < 200; ++i)
        times.push_back(i / 23.976);
    const double still = times.back() + 60.0;
    for (int i = 0; i < 30; ++i)
        times.push_back(still + i / 60.0);
    times.push_back(times.back() + 0.5);
    return times;
}

// The game plays the pauses the clock writes: each picture starts, by the timeline, on the tick
// nearest its time in the movie (to half a pause unit when a unit is longer than a tick), however
// long the movie, so rounding never adds up; no pause item is longer than the editor writes.
TEST(PauseClock, EveryPictureStartsWhereTheMovieShowsItWhateverTheTiming)
{
    const TimingSettings timings[] = {
            {70.0, 1.0}, {70.0, 0.37}, {70.0, 3.0}, {18.2, 1.0}, {70.0, 40.0}};
    for (const TimingSettings &timing : timings) {
        SCOPED_TRACE(testing::Message()
                     << timing.tickRate << " Hz, multiplier " << timing.pauseMultiplier);
        PauseClock clock(timing);
        ItemList items;
        std::vector<int> pictureLines;
        const std::vector<double> times = movieTimes();
        for (const double seconds : times) {
            clock.pauseUntil(clock.tickAt(seconds), items);
            pictureLines.push_back(int(items.size()));
            items.push_back(makeImageItem(PixelBuffer(kFrameSize, 0)));
        }
        items.push_back(makeEndItem());

        const Timeline timeline = buildTimeline(items, timing);
        // Half a tick for the nearest tick, and half a unit more where a unit is longer.
        const double slack = 0.5 + (timing.pauseMultiplier > 1 ? timing.pauseMultiplier / 2 : 0);
        for (std::size_t n = 0; n < times.size(); ++n) {
            const double wanted = times[n] * timing.tickRate;
            const std::optional<Tick> start = timeline.startTick(pictureLines[n]);
            ASSERT_TRUE(start.has_value());
            ASSERT_LE(std::abs(double(*start) - wanted), slack + 1e-9) << "picture " << n;
        }
        EXPECT_EQ(timeline.startTick(pictureLines.back()), clock.now());
        for (const AnimItem &item : items) {
            if (item.Code == kCodePause) {
                EXPECT_GE(payloadValue(item), 1);
                EXPECT_LE(payloadValue(item), PauseClock::kLongestPauseItem);
            }
        }
    }
}

// A fade's ticks count as time passed; a moment already passed adds nothing.
TEST(PauseClock, AFadesTicksAndAPassedMomentAddNoPause)
{
    PauseClock clock(TimingSettings{70.0, 1.0});
    ItemList items;
    clock.pauseUntil(100, items);
    clock.advance(30);
    clock.pauseUntil(120, items);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(payloadValue(items[0]), 100);
    EXPECT_EQ(clock.now(), 130);
    clock.pauseUntil(131, items);
    EXPECT_EQ(clock.now(), 131);
    EXPECT_EQ(items.size(), 2u);
}

} // namespace
} // namespace tessa
