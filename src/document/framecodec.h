// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animitem.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// Images are stored as chunk streams: runs of pixels that differ from a reference frame. Each
// chunk has a 6-byte header of three little-endian words (type, offset, length); type 1 copies
// `length` pixel bytes that follow to frame offset `offset`, type 0 ends the stream.

// The most frequent index in `frame`; ties go to the smaller index.
std::uint8_t mostFrequentIndex(std::span<const std::uint8_t> frame);

// The most frequent index in the frame of item 0, the background of the first image.
std::uint8_t GetBackgroundColor(const ItemList &items);

// Appends to `out` the chunk stream that turns `reference` into `frame` (same sizes): one copy
// chunk for every maximal run of differing pixels, in offset order, then the end chunk.
void encodeFrame(std::span<const std::uint8_t> frame, std::span<const std::uint8_t> reference,
                 std::vector<std::uint8_t> &out);

// What the chunk stream of a frame against its reference holds.
struct FrameChanges
{
    std::size_t pixels = 0; // pixels that differ from the reference
    std::size_t runs = 0;   // maximal runs of them, one copy chunk each

    // The length of the stream encodeFrame appends: each chunk's header and pixels, the end chunk.
    std::size_t streamSize() const { return runs * 6 + pixels + 6; }
};

// The changes encodeFrame would store for `frame` against `reference`, counted on the encoder's
// own scan without writing the stream.
FrameChanges measureFrame(std::span<const std::uint8_t> frame,
                          std::span<const std::uint8_t> reference);

// Applies the chunk stream `stream` to `frame`, which holds the reference on entry. Stops with
// success at the end of the stream or at an end chunk. Fails on a type word from 2 to 0x7FFF,
// and on a chunk whose header or pixels run past the stream or past the frame; `frame` is then
// partly updated and nothing outside either buffer has been touched.
bool decodeFrame(std::span<const std::uint8_t> stream, std::span<std::uint8_t> frame);

// Replaces the Data of image item `k` with the chunk stream of its Pixels against the nearest
// earlier image (or, with none, a frame filled with `background`), and DataSize with its length.
void EncodeImage(ItemList &items, int k, std::uint8_t background);

// Decodes the Data of image item `k` into its Pixels, starting from the frame of the nearest
// earlier image, or, with none, from a frame filled with the first payload byte (the
// background). False when the payload is not a valid stream.
bool PrepareImage(ItemList &items, int k);

} // namespace tessa
