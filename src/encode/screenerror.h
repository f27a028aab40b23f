// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/palette.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// How far what the screen shows is from the picture as an eye sees it from a little way off,
// where a dither pattern melts into its mean: the error is the sum over the screen of the squared
// difference after a small blur, and what a change is worth is how much it lowers that sum.
// A pixel that lags behind the picture where its neighbours do too counts; one that is off in a
// pattern whose neighbours make up for it does not.
class ScreenError
{
public:
    // Measures the screen `shown` (kFrameSize indices into `palette`) against `rgb` (kFrameSize
    // colours as colorFromRgb makes them).
    void measure(std::span<const std::uint8_t> shown, const PaletteColors &palette,
                 std::span<const std::uint32_t> rgb);

    // How much lower the error becomes when pixel `at` alone changes from colour `from` to `to`
    // (below 0: higher), on the screen last measured.
    float gainOfChange(std::size_t at, std::uint32_t from, std::uint32_t to) const;

private:
    // shown - picture, red, green, blue of each pixel, blurred twice with [1 2 1] / 4 each way:
    // once for the eye's blur of the screen, once more for how a change at a pixel spreads.
    std::vector<float> m_blurred;
    std::vector<float> m_scratch;
};

} // namespace tessa
