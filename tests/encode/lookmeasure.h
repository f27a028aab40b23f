// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "imaging/palette.h"
#include "syntheticclips.h"

#include <cstdint>
#include <vector>

namespace tessa::cliptest {

using Picture = std::vector<std::uint32_t>; // kFrameSize colours as colorFromRgb makes them

// How alike two pictures look, as bench/encode-pipelines measures it, worked out here on its own
// so that the encoder's own measure is not taken on trust: the mean SSIM (11 x 11 Gaussian window
// of sigma 1.5, the usual constants, the 5-pixel edges left out) of their BT.601 luma blurred
// with a Gaussian of sigma 1, edges mirrored.
double blurredLumaSsim(const Picture &a, const Picture &b);

// What the game shows of `items` at the middle of each of the clip's pictures' time, at 70 ticks
// a second, with its fades.
std::vector<Picture> screensOf(const ItemList &items, const PaletteColors &palette,
                               const Clip &clip);

// The mean blurred-luma SSIM of `screens` against the clip's pictures (or its clean still).
double lookOf(const std::vector<Picture> &screens, const Clip &clip);

// The other ways to make the clip into an animation, as the benchmark has them: every picture
// dithered on its own (Floyd-Steinberg, as `image F dither`), and ordered dithering of the
// rectangle that changed from the picture before (as ffmpeg's paletteuse with bayer dither and
// rectangle differences), each picture shown on the tick nearest its time.
ItemList ditheredEachPicture(const Clip &clip, const PaletteColors &palette);
ItemList orderedRectangles(const Clip &clip, const PaletteColors &palette);

} // namespace tessa::cliptest
