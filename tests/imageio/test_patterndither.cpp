// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageio/ordereddither.h"
#include "imageio/patterndither.h"
#include "testpalettes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace tessa;
using tessa::test::mainPalette;

namespace {

// How far the mean colour of an 8 x 8 patch of `color`, dithered by `indexAt`, is from it.
template<typename IndexAt>
double patchError(const PaletteColors &palette, std::uint32_t color, IndexAt indexAt)
{
    double sum[3] = {0, 0, 0};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const std::uint32_t shown = palette[indexAt(x, y)];
            sum[0] += redOf(shown);
            sum[1] += greenOf(shown);
            sum[2] += blueOf(shown);
        }
    }
    return std::hypot(sum[0] / 64 - redOf(color), sum[1] / 64 - greenOf(color),
                      sum[2] / 64 - blueOf(color));
}

} // namespace

TEST(PatternDither, APatchHasTheColoursMeanWhereFixedOffsetsMissIt)
{
    // The game's palette has its colours in ramps, unevenly over the colour cube: ordered
    // dithering's fixed offsets leave many colours' patches off in the mean.
    const PaletteColors palette = mainPalette();
    PatternDither pattern(palette);
    NearestColor nearest(palette, IndexSet{});
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> entry(0, 255);
    std::uniform_real_distribution<double> share(0, 1);
    double patternSum = 0, orderedSum = 0;
    constexpr int kColors = 300;
    for (int i = 0; i < kColors; ++i) {
        // Between two colours of the palette, where a mix of its colours can reach.
        const std::uint32_t a = palette[entry(random)], b = palette[entry(random)];
        const double t = share(random);
        const auto between = [t](int from, int to) {
            return std::uint8_t(std::lround(from + t * (to - from)));
        };
        const std::uint32_t color =
                colorFromRgb(between(redOf(a), redOf(b)), between(greenOf(a), greenOf(b)),
                             between(blueOf(a), blueOf(b)));
        const double ours = patchError(palette, color,
                                       [&](int x, int y) { return pattern.index(color, x, y); });
        const double ordered = patchError(palette, color, [&](int x, int y) {
            const int offset = orderedDitherOffset(x, y);
            return nearest.nearest(std::clamp(redOf(color) + offset, 0, 255),
                                   std::clamp(greenOf(color) + offset, 0, 255),
                                   std::clamp(blueOf(color) + offset, 0, 255));
        });
        patternSum += ours;
        orderedSum += ordered;
    }
    EXPECT_LT(patternSum / kColors, 4.0);
    EXPECT_LT(patternSum * 2, orderedSum)
            << patternSum / kColors << " against " << orderedSum / kColors;
}

TEST(PatternDither, ThePalettesOwnColoursShowFlat)
{
    // A title card or a game's own frame drawn in the palette keeps its indices, the first of
    // those that share a colour; a colour one shade off is mixed.
    const PaletteColors palette = mainPalette();
    PatternDither pattern(palette);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const auto first = std::size_t(std::find(palette.begin(), palette.end(), palette[i])
                                       - palette.begin());
        for (int at = 0; at < 64; ++at)
            ASSERT_EQ(pattern.index(palette[i], at % 8, at / 8), first) << "index " << i;
    }
}
