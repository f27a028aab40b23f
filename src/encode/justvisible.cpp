// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "justvisible.h"

#include "imaging/palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tessa {

namespace {

// CIE L*a*b*'s f(t), for t from 0 to 1, by a table with a straight line between its entries:
// the cube root of a million values a picture is too slow, and this is exact to 1e-4 and better.
constexpr int kSteps = 4096;

float lab(float t)
{
    constexpr float kDelta = 6.0f / 29;
    return t > kDelta * kDelta * kDelta ? std::cbrt(t) : t / (3 * kDelta * kDelta) + 4.0f / 29;
}

struct Tables
{
    std::array<float, 256> linear{}; // sRGB component to linear light
    std::array<float, kSteps + 2> f{};

    Tables()
    {
        for (int c = 0; c < 256; ++c) {
            const float x = float(c) / 255;
            linear[std::size_t(c)] =
                    x <= 0.04045f ? x / 12.92f : std::pow((x + 0.055f) / 1.055f, 2.4f);
        }
        for (std::size_t i = 0; i < f.size(); ++i)
            f[i] = lab(float(i) / kSteps);
    }

    float fOf(float t) const
    {
        const float at = std::clamp(t, 0.0f, 1.0f) * kSteps;
        const auto i = std::size_t(at);
        return f[i] + (f[i + 1] - f[i]) * (at - float(i));
    }
};

} // namespace

void labOf(std::span<const std::uint32_t> rgb, std::vector<float> &lab)
{
    static const Tables tables;
    lab.resize(rgb.size() * 3);
    for (std::size_t at = 0; at < rgb.size(); ++at) {
        const float r = tables.linear[redOf(rgb[at])], g = tables.linear[greenOf(rgb[at])],
                    b = tables.linear[blueOf(rgb[at])];
        // XYZ of the D65 white's sRGB, each over the white's own.
        const float x = tables.fOf((0.4124f * r + 0.3576f * g + 0.1805f * b) / 0.9505f);
        const float y = tables.fOf(0.2126f * r + 0.7152f * g + 0.0722f * b);
        const float z = tables.fOf((0.0193f * r + 0.1192f * g + 0.9505f * b) / 1.089f);
        lab[at * 3] = 116 * y - 16;
        lab[at * 3 + 1] = 500 * (x - y);
        lab[at * 3 + 2] = 200 * (y - z);
    }
}

} // namespace tessa
