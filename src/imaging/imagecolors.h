// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessa {

// How an image file's pixels become a frame's indices, as a manifest's image line and a script's
// tessa.image name it.
enum class ImageColors {
    Keep,   // the indices as they stand (a BMP), or an indexed image in the palette's colours
    Match,  // every colour matched to the nearest palette colour
    Dither, // matched with Floyd-Steinberg dithering
};

// "keep", "match" or "dither", in any case; nothing for any other word.
std::optional<ImageColors> imageColorsNamed(std::string_view word);

// The largest image file read whole: a 16384 x 16384 picture in 32-bit colour, uncompressed.
inline constexpr std::uint64_t kMostImageFileBytes = std::uint64_t(1) << 30;

} // namespace tessa
