// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patterndither.h"

#include "ordereddither.h"

#include <algorithm>

namespace tessa {

namespace {

// What a squared difference of luma counts against one of a component (mixNearest).
constexpr float kLumaWeight = 10;

float lumaOf(float red, float green, float blue)
{
    return 0.299f * red + 0.587f * green + 0.114f * blue;
}

// The bin of a component (0 to 255), and the middle of a bin, as PatternDither's bins lie.
std::size_t binOf(int component)
{
    if (component < 16)
        return std::size_t(component);
    if (component < 64)
        return std::size_t(16 + (component - 16) / 2);
    return std::size_t(40 + (component - 64) / 4);
}

double middleOf(std::size_t bin)
{
    if (bin < 16)
        return double(bin);
    if (bin < 40)
        return 16 + 2.0 * double(bin - 16) + 0.5;
    return 64 + 4.0 * double(bin - 40) + 1.5;
}

} // namespace

PatternDither::PatternDither(const PaletteColors &palette)
    : m_palette(palette)
    , m_nearest(palette, IndexSet{})
    , m_lightness(palette.size())
    , m_mixes(kBins * kMixSize)
    , m_mixed(kBins, false)
    , m_inPalette(std::size_t(1) << 24, false)
{
    for (std::size_t i = 0; i < palette.size(); ++i)
        m_lightness[i] =
                299 * redOf(palette[i]) + 587 * greenOf(palette[i]) + 114 * blueOf(palette[i]);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::uint32_t color = palette[i];
        if (m_inPalette[color & 0xFFFFFF])
            continue;
        m_inPalette[color & 0xFFFFFF] = true;
        const auto red = float(redOf(color)), green = float(greenOf(color)),
                   blue = float(blueOf(color));
        m_choices.push_back({red, green, blue, lumaOf(red, green, blue), std::uint8_t(i)});
    }
}

std::uint8_t PatternDither::mixNearest(float red, float green, float blue) const
{
    const float luma = lumaOf(red, green, blue);
    float best = 0;
    std::uint8_t pick = 0;
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        const Choice &choice = m_choices[i];
        const float dr = choice.red - red, dg = choice.green - green, db = choice.blue - blue,
                    dl = choice.luma - luma;
        const float distance = dr * dr + dg * dg + db * db + kLumaWeight * dl * dl;
        if (i == 0 || distance < best) {
            best = distance;
            pick = choice.index;
        }
    }
    return pick;
}

std::uint8_t PatternDither::index(std::uint32_t color, int x, int y)
{
    if (m_inPalette[color & 0xFFFFFF])
        return m_nearest.nearest(redOf(color), greenOf(color), blueOf(color));
    const int threshold = kBayer[std::size_t(y & 7)][std::size_t(x & 7)];
    return mixOf(color)[threshold * kMixSize / 64];
}

const std::uint8_t *PatternDither::mixOf(std::uint32_t color)
{
    const std::size_t bins[3] = {binOf(redOf(color)), binOf(greenOf(color)), binOf(blueOf(color))};
    const std::size_t bin = (bins[0] * kBinsPerComponent + bins[1]) * kBinsPerComponent + bins[2];
    std::uint8_t *mix = &m_mixes[bin * kMixSize];
    if (m_mixed[bin])
        return mix;
    const double want[3] = {middleOf(bins[0]), middleOf(bins[1]), middleOf(bins[2])};
    double error[3] = {0, 0, 0};
    for (int i = 0; i < kMixSize; ++i) {
        const std::uint8_t pick = mixNearest(float(want[0] + error[0]), float(want[1] + error[1]),
                                             float(want[2] + error[2]));
        mix[i] = pick;
        const std::uint32_t got = m_palette[pick];
        error[0] += want[0] - redOf(got);
        error[1] += want[1] - greenOf(got);
        error[2] += want[2] - blueOf(got);
    }
    std::stable_sort(mix, mix + kMixSize, [this](std::uint8_t a, std::uint8_t b) {
        return m_lightness[a] < m_lightness[b];
    });
    m_mixed[bin] = true;
    return mix;
}

} // namespace tessa
