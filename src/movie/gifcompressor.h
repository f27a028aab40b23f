// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

// One rectangle of 8-bit pixels, LZW-compressed into a memory buffer exactly as giflib's encoder
// compresses it: the data sub-blocks of a GIF image (each with its length byte), without the code
// size byte before them and without the empty block after them. Compressing is the slow part of
// writing a GIF and needs nothing but the pixels, so frames can be compressed on other threads and
// their streams written in order by one giflib encoder with EGifPutCodeNext; a fade step, whose
// pixels are the ones before, writes the same stream again under its own colour table.
struct GifCodeStream
{
    std::vector<std::uint8_t> blocks;
    int codeSize = 8; // bits of a pixel: the colour table has 1 << codeSize entries
};

// The pixels of `rows` rows of `width` taken from `pixels`, each row starting `stride` bytes
// after the one before, every pixel below 1 << codeSize (2 to 8, as giflib uses for a colour
// table of that many entries); nothing when the rectangle does not lie within `pixels` or a pixel
// does not fit.
std::optional<GifCodeStream> compressGifPixels(std::span<const std::uint8_t> pixels, int width,
                                               int rows, int stride, int codeSize = 8);

// As compressGifPixels, where a pixel may be written as either its value in `pixels` or its
// value in `alternatives` (laid out alike; the same value: no choice), as with a pixel that the
// frame leaves as it is: the transparent index or the colour already there. They are chosen,
// looking ahead, so that each LZW string grows as long as the table lets it; `pixels` is left
// holding the values chosen, which giflib would compress to the same bytes.
std::optional<GifCodeStream> compressGifPixelsChoosing(std::span<std::uint8_t> pixels,
                                                       std::span<const std::uint8_t> alternatives,
                                                       int width, int rows, int stride,
                                                       int codeSize = 8);

} // namespace tessa
