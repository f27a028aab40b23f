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
// Throws std::out_of_range for an index other than 0 or 1: custom palettes are not built in.
const PaletteData &builtInPalette(int index);

PaletteColors paletteColorsFromData(const PaletteData &data);

// One PaletteColors entry and its parts.
constexpr std::uint32_t colorFromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return std::uint32_t(red) | std::uint32_t(green) << 8 | std::uint32_t(blue) << 16;
}
constexpr std::uint8_t redOf(std::uint32_t color)
{
    return static_cast<std::uint8_t>(color & 0xFF);
}
constexpr std::uint8_t greenOf(std::uint32_t color)
{
    return static_cast<std::uint8_t>((color >> 8) & 0xFF);
}
constexpr std::uint8_t blueOf(std::uint32_t color)
{
    return static_cast<std::uint8_t>((color >> 16) & 0xFF);
}

} // namespace tessa
