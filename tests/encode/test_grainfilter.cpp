// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encode/grainfilter.h"
#include "imaging/palette.h"

#include <gtest/gtest.h>

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
