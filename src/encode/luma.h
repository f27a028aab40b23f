// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/palette.h"

#include <cstdint>

namespace tessa {

// BT.601 luma of a colour (as colorFromRgb makes it), 0 to 255: the lightness by which the
// encoder judges a screen, as the quality measure of docs/performance.md does.
inline float lumaOf(std::uint32_t color)
{
    return 0.299f * float(redOf(color)) + 0.587f * float(greenOf(color))
           + 0.114f * float(blueOf(color));
}

// SSIM's constants for 8-bit values: (0.01 * 255)^2 and (0.03 * 255)^2.
inline constexpr float kSsimC1 = 6.5025f;
inline constexpr float kSsimC2 = 58.5225f;

} // namespace tessa
