// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gifcompressor.h"
#include "imaging/palette.h"
#include "screenscaler.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

// One screen as the GIF writer keeps it: 320 x 200 palette indices in the palette they show in.
struct GifScreen
{
    std::vector<std::uint8_t> pixels;
    PaletteColors colors{};
};

// The animation's palette as the file's global colour table, reordered so that the colours a
// picture shows most come first: a frame drawn in those alone fits fewer bits a pixel, and its
// codes start that much shorter without a table of its own.
struct GifGlobalTable
{
    PaletteColors colors{};                  // in the palette's own order
    std::array<std::uint8_t, 256> entryOf{}; // each index's place in the file's table

    // The colours in the file's order.
    std::vector<std::uint32_t> fileOrder() const;
};

// `colors` ordered by `use`, most used first (ties: lower index).
GifGlobalTable makeGifGlobalTable(const PaletteColors &colors,
                                  const std::array<std::uint64_t, 256> &use);

// How many of `pixels` show each index.
std::array<std::uint64_t, 256> countColourUse(std::span<const std::uint8_t> pixels);

// True when every pixel of the two screens shows the same colour, whatever its index.
bool looksTheSame(const GifScreen &a, const GifScreen &b);

// A frame ready to write, in output pixels: where it goes, its colour table (empty: the global
// one), the index that leaves the pixel below as it is (-1: none) and the compressed pixels,
// whose code size may be smaller than the global table's when the pixels fit it.
struct GifFrameCode
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> localColors;
    int transparent = -1;
    GifCodeStream code;

    // What the frame adds to the file, besides its fixed-size blocks.
    std::size_t bytes() const { return code.blocks.size() + localColors.size() * 3; }
};

// The smallest frame found that turns the picture a viewer shows after `before` (nullptr: none
// yet) into `after`, each pixel enlarged by `scaler`. It covers the rectangle of the pixels whose
// colour changes; the candidates are the global table `global` (when `after` is in it) and a
// local table of the colours used, each with the unchanged pixels kept or left transparent; the
// one that compresses smallest wins. Nothing when the compressor refuses (it cannot for these).
std::optional<GifFrameCode> encodeGifFrame(const GifScreen *before, const GifScreen &after,
                                           const GifGlobalTable &global,
                                           const ScreenScaler &scaler);

} // namespace tessa
