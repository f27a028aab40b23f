// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "palette.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// The size of the BMP file that AddBMPHeader writes for one frame, and the offset of its pixel
// rows.
inline constexpr std::size_t kBmpPixelOffset = 1078;
inline constexpr std::size_t kBmpFrameFileSize = kBmpPixelOffset + 320 * 200;

// The complete bytes of an uncompressed 8-bit BMP file of `width` x `height` (rows stored
// bottom-up, colour table of 256 entries from `colors`) for `pixels`, which holds width * height
// palette indices, top row first. Pixels missing from a shorter `pixels` are written as index 0
// and extra ones are ignored; a width or height below 1 gives a file without pixel rows. Every
// caller passes 320 x 200.
std::vector<std::uint8_t> AddBMPHeader(std::int32_t width, std::int32_t height,
                                       std::span<const std::uint8_t> pixels,
                                       const PaletteColors &colors);

// A 320 x 200 8-bit BMP as read: its indices and the colour table it came with.
struct BmpFrame
{
    std::vector<std::uint8_t> pixels; // 64000 palette indices, top row first
    PaletteColors colors{};           // the file's table; entries past colorCount are 0
    int colorCount = 0;               // entries in the file's table, 0 to 256
};

// Reads a 320 x 200 bottom-up 8-bit BMP given as its complete bytes, taking the indices as they
// stand. Any info header of the published format is understood (the 12-byte OS/2 header with its
// 16-bit sizes and 3-byte colours, and the 40, 52, 56, 64, 108 and 124-byte Windows headers), the
// colour table has as many entries as the file says (0 meaning 256), the rows are read where the
// pixel-offset field puts them, and RLE8 compression is decoded. A file of another size, depth or
// orientation is refused with "The file was not an 320x200 8-bit BMP."; a file too short for what
// it announces, or with damaged compressed pixels, with a notice that says so. Nothing outside
// `file` is read.
Expected<BmpFrame, Notice> readFrameBmp(std::span<const std::uint8_t> file);

// The 64000 palette indices of readFrameBmp, without the colour table.
Expected<std::vector<std::uint8_t>, Notice> RemoveBMPHeader(std::span<const std::uint8_t> file);

// The notice to show after a BMP was added whose colours are not the current palette's.
inline constexpr const char *kColorsDifferText =
        "Indices kept; the image's colours differ from the palette. Use Import Image to match "
        "colours.";

// True when some index that `frame` uses shows another colour in the file's table than in
// `palette`, compared at the palette's 6-bit precision. Indices past the file's table have no
// colour of their own there and are not compared.
bool colorsDifferFromPalette(const BmpFrame &frame, const PaletteColors &palette);

// Two colours are the same to the palette when their components agree in their top six bits.
constexpr bool sameAtSixBits(std::uint32_t a, std::uint32_t b)
{
    return (a & 0xFCFCFC) == (b & 0xFCFCFC);
}

} // namespace tessa
