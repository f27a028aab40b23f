// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "encode/grainfilter.h"
#include "imaging/palette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

namespace tessa {
namespace {

std::uint32_t grey(int level)
{
    const auto v = std::uint8_t(std::clamp(level, 0, 255));
    return colorFromRgb(v, v, v);
}

TEST(GrainFilter, StillGrainSettlesWhileRealChangesAreTakenAtOnce)
{
    GrainFilter filter(12);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grain(-8, 8);
    std::vector<std::uint32_t> picture(1000);
    double lastMeanWander = 0;
    for (int n = 0; n < 40; ++n) {
        for (auto &pixel : picture)
            pixel = grey(100 + grain(random));
        const auto out = filter.filter(picture);
        // After some pictures a pixel shows its mean: off the clean grey by far less than grain.
        if (n >= 20) {
            int wander = 0;
            double total = 0;
            for (const std::uint32_t pixel : out) {
                const int off = std::abs(int(redOf(pixel)) - 100);
                wander = std::max(wander, off);
                total += off;
            }
            EXPECT_LE(wander, 5) << "picture " << n;
            lastMeanWander = total / double(out.size());
        }
    }
    // The grain itself is off by about 4.2 on average; what is shown, by far less.
    EXPECT_LT(lastMeanWander, 2.0);

    // A cut to another picture, and a pixel that brightens for real, are shown as they are.
    for (auto &pixel : picture)
        pixel = grey(180);
    picture[3] = grey(20);
    const auto cut = filter.filter(picture);
    EXPECT_EQ(cut[0], grey(180));
    EXPECT_EQ(cut[3], grey(20));
}

TEST(GrainFilter, TheFirstPicturesShowTheGrainMostlyGoneAndTheEdgesKept)
{
    // A grey step (an edge of 100 between columns 159 and 160) under grain, new in every
    // picture: the first picture out is nearer the clean picture than the grainy one, and the
    // edge is where it was.
    GrainFilter filter(40);
    std::mt19937 random(5);
    std::normal_distribution<float> grain(0, 8);
    std::vector<std::uint32_t> clean(kFrameSize), grainy(kFrameSize), next(kFrameSize);
    for (int at = 0; at < kFrameSize; ++at) {
        const int level = at % kFrameWidth < 160 ? 60 : 160;
        clean[std::size_t(at)] = grey(level);
        grainy[std::size_t(at)] = grey(level + int(std::lround(grain(random))));
        next[std::size_t(at)] = grey(level + int(std::lround(grain(random))));
    }
    const auto out = filter.filter(grainy, next);
    const auto spread = [&](std::span<const std::uint32_t> picture) {
        double sum = 0;
        for (std::size_t at = 0; at < picture.size(); ++at)
            sum += std::pow(double(redOf(picture[at])) - redOf(clean[at]), 2);
        return std::sqrt(sum / double(picture.size()));
    };
    EXPECT_LT(spread(out), spread(grainy) / 2);
    for (int y = 0; y < kFrameHeight; ++y) {
        EXPECT_LT(redOf(out[std::size_t(y * kFrameWidth + 159)]), 100) << "row " << y;
        EXPECT_GT(redOf(out[std::size_t(y * kFrameWidth + 160)]), 120) << "row " << y;
    }
}

TEST(GrainFilter, AStillPicturesOwnFineTextureIsNotTakenForGrain)
{
    // A dithered still (an animated GIF of a still) has the fine texture of grain but the same
    // in every picture: it comes out as it is, picture after picture.
    GrainFilter filter(40);
    std::mt19937 random(9);
    std::uniform_int_distribution<int> dither(-12, 12);
    std::vector<std::uint32_t> still(kFrameSize);
    for (auto &pixel : still)
        pixel = grey(100 + dither(random));
    for (int n = 0; n < 4; ++n) {
        const auto out = filter.filter(still, still);
        ASSERT_TRUE(std::equal(out.begin(), out.end(), still.begin(), still.end())) << n;
    }
}

TEST(GrainFilter, ThresholdZeroLetsEveryPictureThrough)
{
    GrainFilter filter(0);
    const std::vector<std::uint32_t> a{grey(10), grey(200)};
    const std::vector<std::uint32_t> b{grey(14), grey(198)};
    filter.filter(a);
    const auto out = filter.filter(b);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), b.begin(), b.end()));
}

} // namespace
} // namespace tessa
