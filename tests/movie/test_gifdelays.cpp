// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movie/gifdelays.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

using namespace tessa;

namespace {

struct DelayCase
{
    const char *name;
    std::vector<double> moments;
    double end;
    std::vector<int> delays;
};

class GifDelayTable : public testing::TestWithParam<DelayCase>
{
};

TEST_P(GifDelayTable, carriesTheRoundingForwardAndKeepsTheTotal)
{
    const DelayCase &row = GetParam();
    const std::vector<int> delays = planGifDelays(row.moments, row.end);
    EXPECT_EQ(delays, row.delays);
    // Whatever was dropped, the delays add up to the movie's length on the hundredths clock.
    const int total = std::accumulate(delays.begin(), delays.end(), 0);
    EXPECT_EQ(total, std::max(2L, std::lround(row.end * 100) - std::lround(row.moments[0] * 100)));
}

// 70 Hz: a tick is 1.43 hundredths; 18.2 Hz: 5.49; a pause after a fade keeps exact steps.
INSTANTIATE_TEST_SUITE_P(
        Delays, GifDelayTable,
        testing::Values(
                DelayCase{"exact", {0.0, 0.04, 0.08}, 0.12, {4, 4, 4}},
                DelayCase{"carried", {0.0, 1 / 18.2, 2 / 18.2, 3 / 18.2}, 4 / 18.2, {5, 6, 5, 6}},
                DelayCase{"tooShortDroppedIntoNext",
                          {0.0, 1 / 70.0, 2 / 70.0, 3 / 70.0},
                          4 / 70.0,
                          {0, 3, 0, 3}},
                DelayCase{"oneHundredthDropped", {0.0, 0.5, 0.51}, 1.0, {50, 0, 50}},
                // The last screen is what the movie ends on (black after a fade out): it stays,
                // taking its time from the one before, or all of it when that gets too short.
                DelayCase{"shortLastBorrows", {0.0, 0.5}, 0.51, {49, 2}},
                DelayCase{"shortLastTakesOver", {0.0, 0.5, 0.52}, 0.53, {50, 0, 3}},
                // The last steps of a fade out at 70 Hz: level 0 rounds to one hundredth.
                DelayCase{"fadeOutEndsBlack", {0.0, 1 / 70.0, 2 / 70.0}, 3 / 70.0, {0, 2, 2}},
                DelayCase{"singleShortScreen", {0.0}, 0.001, {2}},
                DelayCase{"startsLate", {1.0, 1.25}, 2.0, {25, 75}}),
        [](const testing::TestParamInfo<DelayCase> &info) { return std::string(info.param.name); });

} // namespace
