// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "nearestcolor.h"

#include <cstdint>
#include <vector>

namespace tessa {

// Pattern dithering to a fixed palette. Each colour is made of a mix of kMixSize palette colours
// whose mean is as near to it as the palette allows, found by taking the nearest colour again and
// again with the error so far added; the pixel at (x, y) shows the member of its colour's mix
// that the place's Bayer threshold picks, the mix ordered by lightness. Like ordered dithering,
// a colour at a place always gets the same index, so a still picture does not crawl when it is
// dithered again; unlike it, a patch of one colour has that colour's mean however unevenly the
// palette's colours lie, which fixed offsets only get right for an evenly spaced palette.
class PatternDither
{
public:
    static constexpr int kMixSize = 8;

    explicit PatternDither(const PaletteColors &palette);

    // The index for `color` (as colorFromRgb makes it) at (x, y) of the screen. A colour of the
    // palette itself is shown as it is, its first index, so that what was drawn in the palette
    // keeps its indices.
    std::uint8_t index(std::uint32_t color, int x, int y);

    const PaletteColors &palette() const { return m_palette; }

private:
    // Colours are mixed by bins of 4 x 4 x 4 shades, each worked out once, when first asked for:
    // a movie brings hundreds of thousands of colours, and a step of 4 is finer than a mix of
    // kMixSize colours can show.
    static constexpr int kBinShift = 2;
    static constexpr std::size_t kBinsPerComponent = 256 >> kBinShift;
    static constexpr std::size_t kBins = kBinsPerComponent * kBinsPerComponent * kBinsPerComponent;

    const std::uint8_t *mixOf(std::uint32_t color);

    PaletteColors m_palette;
    NearestColor m_nearest;
    std::vector<int> m_lightness;      // of each palette index
    std::vector<std::uint8_t> m_mixes; // kMixSize indices a bin, lightest last
    std::vector<bool> m_mixed;
    std::vector<bool> m_inPalette; // by 24-bit colour
};

} // namespace tessa
