// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// Which changes of colour the eye can just see: colours in CIE L*a*b* (D65, from sRGB), where a
// distance of kJustVisible is the smallest difference most people notice.
inline constexpr float kJustVisible = 2.3f;

// L*, a* and b* of each colour of `rgb` (as colorFromRgb makes them), three floats a pixel.
void labOf(std::span<const std::uint32_t> rgb, std::vector<float> &lab);

// Whether the colours at `a` and `b` (three floats each, as labOf gives them) look the same:
// they are less than kJustVisible apart.
inline bool looksSame(const float *a, const float *b)
{
    const float dl = a[0] - b[0], da = a[1] - b[1], db = a[2] - b[2];
    return dl * dl + da * da + db * db < kJustVisible * kJustVisible;
}

} // namespace tessa
