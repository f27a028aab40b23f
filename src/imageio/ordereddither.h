// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace tessa {

// Ordered (Bayer) dithering: each pixel's colour is moved by an amount that depends only on its
// place on the screen, so the same colour at the same place always gets the same index. That is
// what keeps a still picture from crawling when it is dithered again frame after frame.

// The 8 x 8 Bayer matrix, thresholds 0 to 63.
inline constexpr std::array<std::array<int, 8>, 8> kBayer = {{
        {0, 32, 8, 40, 2, 34, 10, 42},
        {48, 16, 56, 24, 50, 18, 58, 26},
        {12, 44, 4, 36, 14, 46, 6, 38},
        {60, 28, 52, 20, 62, 30, 54, 22},
        {3, 35, 11, 43, 1, 33, 9, 41},
        {51, 19, 59, 27, 49, 17, 57, 25},
        {15, 47, 7, 39, 13, 45, 5, 37},
        {63, 31, 55, 23, 61, 29, 53, 21},
}};

// How far ordered dithering moves a colour at most, in 8-bit units: about the gap between
// neighbouring colours of a 256-colour palette.
inline constexpr int kOrderedSpread = 32;

// What ordered dithering adds to each component of the pixel at (x, y): -16 to 15.
constexpr int orderedDitherOffset(int x, int y)
{
    return (kBayer[std::size_t(y & 7)][std::size_t(x & 7)] * 2 - 63) * kOrderedSpread / 128;
}

} // namespace tessa
