// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "palette.h"

#include <cstdint>
#include <span>
#include <string>

namespace tessa {

// The error number of a file that starts with "RIFF" but is not a 1052-byte RIFF palette.
inline constexpr std::int32_t kErrorUnknownPaletteFormat = 9003; // "Unknown file format"

// Reads a palette file of one of four kinds, told apart by length first, then by the first four
// bytes: exactly 768 bytes is a raw colour table (red, green, blue), exactly 893 bytes the game's
// GAMEPAL.OBJ (6-bit colours from offset 119), "RIFF" a 1052-byte RIFF palette (red, green, blue,
// flags from offset 24), "JASC" a text palette (256 lines "red green blue" after 3 header lines).
// Every component is then cut to a multiple of 4. Refusals come back as the notice to show.
//
// JASC text lines end at CR LF, at a lone CR or at a lone LF. A colour line is split at every
// single space; its first three fields must be numbers (fractions round to the nearest whole
// number, halves to even) that fit a signed 32-bit integer, of which the low 8 bits are kept, so
// 256 is 0 and -1 is 255. Fewer than 256 colour lines, or a colour line with a missing,
// non-numeric or out-of-range field, refuse the file with a notice naming the line.
Expected<PaletteData, Notice> readPaletteData(std::span<const std::uint8_t> bytes);

// The largest palette file read: a JASC palette of 256 lines with comments is a few kilobytes.
inline constexpr std::uint64_t kMostPaletteFileBytes = std::uint64_t(1) << 20;

// The same for the file at `path`; a file that cannot be read (or is larger than
// kMostPaletteFileBytes) is refused with its path and reason.
Expected<PaletteData, Notice> LoadPaletteDataFromFile(const std::string &path);

// The colours of a palette named as tessanim's --palette and scripts name them: "main" and
// "extra" are the built-in palettes, anything else is the path of a palette file (so a file
// called "main" is reached as "./main").
Expected<PaletteColors, Notice> choosePalette(const std::string &choice);

} // namespace tessa
