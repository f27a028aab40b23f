// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundimport/gamesamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>
#include <vector>

using namespace tessa;

namespace {

std::vector<float> sine(float amplitude, int count = 11025)
{
    std::vector<float> samples(std::size_t(count), 0.0f);
    for (int i = 0; i < count; ++i)
        samples[std::size_t(i)] = amplitude * float(std::sin(2 * std::numbers::pi * 441.0 * i / 11025));
    return samples;
}

double meanOf(const std::vector<std::uint8_t> &samples)
{
    return std::accumulate(samples.begin(), samples.end(), 0.0) / double(samples.size());
}

} // namespace

TEST(GameSamples, LevelsAsAsked)
{
    const struct
    {
        const char *what;
        std::vector<float> samples;
        bool normalise;
        int lowest; // expected, give or take the dither's step
        int highest;
    } rows[] = {
            {"a quiet sine brought up", sine(0.1f), true, 128 - 126, 128 + 126},
            {"a loud sine brought down", sine(1.3f), true, 128 - 126, 128 + 126},
            {"a sine kept at its level", sine(0.5f), false, 128 - 64, 128 + 64},
            {"silence is not brought up", std::vector<float>(5000, 0.0f), true, 128, 128},
            {"past full scale clips, never wraps", sine(1.5f), false, 0, 255},
            {"what is not a number is silence",
             std::vector<float>(100, std::numeric_limits<float>::quiet_NaN()), false, 128, 128},
    };
    for (const auto &row : rows) {
        const auto out = toGameSamples(row.samples, row.normalise);
        ASSERT_EQ(out.size(), row.samples.size()) << row.what;
        const auto [lowest, highest] = std::minmax_element(out.begin(), out.end());
        EXPECT_NEAR(*lowest, row.lowest, 1) << row.what;
        EXPECT_NEAR(*highest, row.highest, 1) << row.what;
    }
}

TEST(GameSamples, DitherKeepsWhatLiesBetweenTheSteps)
{
    // A level a third of a step above the middle: cut or rounded to 8 bits it is lost; dithered,
    // it lives on as the mean, and the noise stays within a step either way.
    const std::vector<float> level(20000, (1.0f / 3) / 128);
    const auto out = toGameSamples(level, false);
    EXPECT_NEAR(meanOf(out), 128 + 1.0 / 3, 0.03);
    const auto [lowest, highest] = std::minmax_element(out.begin(), out.end());
    EXPECT_GE(*lowest, 127);
    EXPECT_LE(*highest, 129);
}

TEST(GameSamples, TheSameSoundGivesTheSameBytes)
{
    const auto samples = sine(0.3f);
    EXPECT_EQ(toGameSamples(samples, true), toGameSamples(samples, true));
    EXPECT_NE(toGameSamples(samples, true), toGameSamples(samples, false));
}

TEST(GameSamples, PeakIsTheLoudestEitherWay)
{
    EXPECT_EQ(peakOf(std::vector<float>{0.1f, -0.7f, 0.5f}), 0.7f);
    EXPECT_EQ(peakOf(std::vector<float>{}), 0.0f);
}
