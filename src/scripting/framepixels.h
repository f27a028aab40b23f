// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>

// The whole-frame operations scripts call, as plain loops over the frame's bytes. Callers check
// the rectangles: every one given here lies inside the frames it names.
namespace tessa {

// A rectangle of pixels, in pixels from the top left corner.
struct PixelRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Every pixel becomes table[pixel].
void replaceIndices(std::span<std::uint8_t> pixels, const std::array<std::uint8_t, 256> &table);

void fillRect(std::span<std::uint8_t> pixels, int rowLength, PixelRect rect, std::uint8_t index);

// Copies `from` of `source` to the same size at (toX, toY) of `target` (both rowLength wide).
// The two may be the same frame.
void copyRect(std::span<const std::uint8_t> source, PixelRect from, std::span<std::uint8_t> target,
              int toX, int toY, int rowLength);

// How many pixels have each index.
std::array<std::uint32_t, 256> countIndices(std::span<const std::uint8_t> pixels);

} // namespace tessa
