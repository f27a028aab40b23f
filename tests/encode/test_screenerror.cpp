// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "encode/screenerror.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace tessa {
namespace {

// The error measured from its definition, apart from the class: the difference between screen
// and picture blurred once with [1 2 1] / 4 each way (zero past the edges), its squares summed.
double screenErrorOf(const std::vector<std::uint8_t> &shown, const PaletteColors &palette,
                     const std::vector<std::uint32_t> &rgb)
{
    const auto difference = [&](int x, int y, int shift) {
        if (x < 0 || y < 0 || x >= kFrameWidth || y >= kFrameHeight)
            return 0.0;
        const std::size_t at = std::size_t(y * kFrameWidth + x);
        return double((palette[shown[at]] >> shift) & 0xFF) - double((rgb[at] >> shift) & 0xFF);
    };
    constexpr double kWeights[3] = {0.25, 0.5, 0.25};
    double error = 0;
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            for (const int shift : {16, 8, 0}) {
                double blurred = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        blurred += kWeights[dy + 1] * kWeights[dx + 1]
                                   * difference(x + dx, y + dy, shift);
                error += blurred * blurred;
            }
    return error;
}

// The gain the class predicts for a change of one pixel is what measuring again finds, for
// pixels away from the edges (where the blur's edge rule does not come in).
TEST(ScreenError, TheGainOfAChangeIsWhatMeasuringAgainFinds)
{
    std::mt19937 random(3);
    PaletteColors palette{};
    for (std::uint32_t &color : palette)
        color = colorFromRgb(std::uint8_t(random()), std::uint8_t(random()),
                             std::uint8_t(random()));
    std::vector<std::uint32_t> rgb(kFrameSize);
    std::vector<std::uint8_t> shown(kFrameSize);
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        rgb[i] = colorFromRgb(std::uint8_t(i % 320 / 2), std::uint8_t(i / 320), 90);
        shown[i] = std::uint8_t(random());
    }
    ScreenError screen;
    screen.measure(shown, palette, rgb);
    const double before = screenErrorOf(shown, palette, rgb);
    for (int trial = 0; trial < 12; ++trial) {
        const std::size_t at =
                std::size_t((2 + int(random() % 196)) * kFrameWidth + 2 + int(random() % 316));
        const std::uint8_t to = std::uint8_t(random());
        const float predicted = screen.gainOfChange(at, palette[shown[at]], palette[to]);
        std::vector<std::uint8_t> changed = shown;
        changed[at] = to;
        const double found = before - screenErrorOf(changed, palette, rgb);
        EXPECT_NEAR(predicted, found, 0.5 + 1e-4 * std::abs(found)) << "pixel " << at;
    }
}

} // namespace
} // namespace tessa
