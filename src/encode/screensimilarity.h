// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gaussianblur.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// How alike two pictures look from a little way off, where a dither pattern melts into its mean:
// the mean SSIM (Wang et al. 2004: a Gaussian window of sigma 1.5, the usual constants, the 5
// pixels at the edges left out) of their luma blurred with sigma 1, 1 for the same picture. The
// measure of docs/performance.md, by which the encoder judges what it cannot estimate (a whole
// screen darkened by the game's fade).
class ScreenSimilarity
{
public:
    ScreenSimilarity();

    // Both kFrameSize colours as colorFromRgb makes them.
    double between(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b);

private:
    void blurredLuma(std::span<const std::uint32_t> rgb, std::vector<float> &luma);

    GaussianBlur m_eye;
    GaussianBlur m_window;
    std::vector<float> m_a, m_b, m_squareA, m_squareB, m_product; // the means once blurred
};

} // namespace tessa
