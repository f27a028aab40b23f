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

// The complete bytes of an uncompressed 8-bit BMP file of `width` x `height` (rows stored
// bottom-up, colour table of 256 entries from `colors`) for `pixels`, which holds width * height
// palette indices, top row first.
std::vector<std::uint8_t> AddBMPHeader(std::int32_t width, std::int32_t height,
                                       std::span<const std::uint8_t> pixels,
                                       const PaletteColors &colors);

// The 64000 palette indices, top row first, of a 320 x 200 8-bit BMP file given as its complete
// bytes. The rows are always taken from offset 1078; the file's colour table is not read. Any
// other file is refused with the notice to show.
Expected<std::vector<std::uint8_t>, Notice> RemoveBMPHeader(std::span<const std::uint8_t> file);

} // namespace tessa
