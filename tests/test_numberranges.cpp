// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/numberranges.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tessa;

TEST(NumberInRange, SaysInWordsWhatIsWrongWithANumberTyped)
{
    const struct
    {
        const char *name;
        const char *text;
        NumberRange range;
        std::optional<double> value;
        const char *refusal;
    } rows[] = {
            {"--tick-rate", "70", kTickRateRange, 70, ""},
            {"--tick-rate", "18.2065", kTickRateRange, 18.2065, ""},
            {"--tick-rate", "0", kTickRateRange, {}, "--tick-rate must be from 1 to 1000, not 0"},
            {"--tick-rate",
             "1e9",
             kTickRateRange,
             {},
             "--tick-rate must be from 1 to 1000, not 1000000000"},
            {"--pause-multiplier",
             "0.001",
             kPauseMultiplierRange,
             {},
             "--pause-multiplier must be from 0.1 to 100, not 0.001"},
            {"--max-bytes", "abc", kMaxBytesRange, {}, "--max-bytes: \"abc\" is not a number"},
            {"--max-bytes", "0", kMaxBytesRange, 0, ""},
            {"--max-bytes", "400000", kMaxBytesRange, 400000, ""},
            {"--max-bytes",
             "10",
             kMaxBytesRange,
             {},
             "--max-bytes must be 0 (no limit) or a whole number from 1000 to 2000000000, not "
             "10"},
            {"--max-bytes",
             "1500.5",
             kMaxBytesRange,
             {},
             "--max-bytes must be 0 (no limit) or a whole number from 1000 to 2000000000, not "
             "1500.5"},
            {"--quality",
             "101",
             kQualityRange,
             {},
             "--quality must be a whole number from 0 to 100, not 101"},
            {"--fps", "0", kPicturesPerSecondRange, {}, "--fps must be from 0.1 to 1000, not 0"},
            {"--fps", "inf", kPicturesPerSecondRange, {}, "--fps: \"inf\" is not a number"},
            {"--from", "-1", kMovieSecondsRange, {}, "--from must be from 0 to 86400, not -1"},
            {"--scale", "3", kScaleRange, 3, ""},
            {"--sound",
             "100",
             kSoundNumberRange,
             {},
             "--sound must be a whole number from 0 to 99, not 100"},
            {"tickRate", "", kTickRateRange, {}, "tickRate: \"\" is not a number"},
    };
    for (const auto &row : rows) {
        const auto read = numberInRange(row.name, row.text, row.range);
        EXPECT_EQ(read ? std::string() : read.error(), row.refusal) << row.text;
        if (row.value) {
            ASSERT_TRUE(read) << row.text;
            EXPECT_EQ(*read, *row.value) << row.text;
        }
    }
}

TEST(NumberRange, TheGamesOwnTimingsAndTheDefaultsAreInTheirRanges)
{
    for (const double rate : {1.0, 10.0, 18.2065, 60.0, 70.0})
        EXPECT_TRUE(kTickRateRange.holds(rate)) << rate;
    EXPECT_TRUE(kPauseMultiplierRange.holds(1.0));
    EXPECT_FALSE(kPauseMultiplierRange.holds(0.0)) << "with 0 a pause lasts nothing";
    EXPECT_FALSE(kQualityRange.holds(75.5));
    EXPECT_TRUE(kPicturesPerSecondRange.holds(25.0));
    EXPECT_FALSE(kMovieSecondsRange.holds(std::nan("")));
}
