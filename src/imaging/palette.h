// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace tessa {

// 256 entries of blue, green, red, 0 (1024 bytes), every component a multiple of 4.
using PaletteData = std::array<std::uint8_t, 1024>;

// The current palette as everything else sees it: entry i = red + green * 256 + blue * 65536.
using PaletteColors = std::array<std::uint32_t, 256>;

// The palettes built into the program: 0 is "Main Tessarine", 1 is "Extra Orvalis".
inline constexpr int kBuiltInPaletteCount = 2;
const PaletteData &builtInPalette(int index);

PaletteColors paletteColorsFromData(const PaletteData &data);

} // namespace tessa
