// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/palette.h"

#include <cstddef>
#include <tuple>

namespace tessa::test {

// The colours of the first built-in palette, which the games' pictures mostly use.
inline const PaletteColors &mainPalette()
{
    static const PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    return colors;
}

// Red, green and blue of the entry `i` of a palette as a BMP stores it (blue first).
using Rgb = std::tuple<int, int, int>;
inline Rgb paletteEntry(const PaletteData &data, std::size_t i)
{
    return {data[4 * i + 2], data[4 * i + 1], data[4 * i]};
}

} // namespace tessa::test
