// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framepixels.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tessa {

void replaceIndices(std::span<std::uint8_t> pixels, const std::array<std::uint8_t, 256> &table)
{
    for (std::uint8_t &pixel : pixels)
        pixel = table[pixel];
}

void fillRect(std::span<std::uint8_t> pixels, int rowLength, PixelRect rect, std::uint8_t index)
{
    for (int row = rect.y; row < rect.y + rect.height; ++row)
        std::fill_n(pixels.begin() + row * rowLength + rect.x, rect.width, index);
}

void copyRect(std::span<const std::uint8_t> source, PixelRect from, std::span<std::uint8_t> target,
              int toX, int toY, int rowLength)
{
    if (from.width == 0 || from.height == 0)
        return; // nothing to copy, and no buffer to copy through
    // Through a copy of the rectangle, so that overlapping parts of one frame copy as a whole.
    std::vector<std::uint8_t> taken(static_cast<std::size_t>(from.width) * from.height);
    for (int row = 0; row < from.height; ++row)
        std::memcpy(taken.data() + row * from.width,
                    source.data() + (from.y + row) * rowLength + from.x, from.width);
    for (int row = 0; row < from.height; ++row)
        std::memcpy(target.data() + (toY + row) * rowLength + toX, taken.data() + row * from.width,
                    from.width);
}

std::array<std::uint32_t, 256> countIndices(std::span<const std::uint8_t> pixels)
{
    std::array<std::uint32_t, 256> counts{};
    for (const std::uint8_t pixel : pixels)
        ++counts[pixel];
    return counts;
}

} // namespace tessa
