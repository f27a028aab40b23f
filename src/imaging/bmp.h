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
// rows, which RemoveBMPHeader always reads from.
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

// The 64000 palette indices, top row first, of a 320 x 200 8-bit BMP file given as its complete
// bytes. The rows are always taken from offset 1078; the file's colour table is not read. Any
// other file is refused with the notice to show; so is a file too short to hold what is read
// from it (less than 30 bytes, or a 320 x 200 8-bit header followed by fewer than 64000 pixels
// at offset 1078).
Expected<std::vector<std::uint8_t>, Notice> RemoveBMPHeader(std::span<const std::uint8_t> file);

} // namespace tessa
