// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patterndither.h"

#include "ordereddither.h"

#include <algorithm>

namespace tessa {

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
    for (const std::uint32_t color : palette)
        m_inPalette[color & 0xFFFFFF] = true;
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
    const std::size_t bin = (std::size_t(redOf(color) >> kBinShift) * kBinsPerComponent
                             + std::size_t(greenOf(color) >> kBinShift))
                                    * kBinsPerComponent
                            + std::size_t(blueOf(color) >> kBinShift);
    std::uint8_t *mix = &m_mixes[bin * kMixSize];
    if (m_mixed[bin])
        return mix;
    // The bin's middle colour.
    constexpr int kHalfBin = 1 << (kBinShift - 1);
    const int want[3] = {(redOf(color) >> kBinShift << kBinShift) + kHalfBin,
                         (greenOf(color) >> kBinShift << kBinShift) + kHalfBin,
                         (blueOf(color) >> kBinShift << kBinShift) + kHalfBin};
    int error[3] = {0, 0, 0};
    for (int i = 0; i < kMixSize; ++i) {
        const std::uint8_t pick = m_nearest.nearest(std::clamp(want[0] + error[0], 0, 255),
                                                    std::clamp(want[1] + error[1], 0, 255),
                                                    std::clamp(want[2] + error[2], 0, 255));
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
