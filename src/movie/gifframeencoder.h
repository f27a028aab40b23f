// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gifcompressor.h"
#include "imaging/palette.h"
#include "screenscaler.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessa {

// One screen as the GIF writer keeps it: 320 x 200 palette indices in the palette they show in.
struct GifScreen
{
    std::vector<std::uint8_t> pixels;
    PaletteColors colors{};
};

// True when every pixel of the two screens shows the same colour, whatever its index.
bool looksTheSame(const GifScreen &a, const GifScreen &b);

// A frame ready to write, in output pixels: where it goes, its colour table (empty: the global
// one), the index that leaves the pixel below as it is (-1: none) and the compressed pixels.
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
                                           const PaletteColors &global, const ScreenScaler &scaler);

} // namespace tessa
