// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "imaging/palette.h"
#include "screensimilarity.h"
#include "timing/timeline.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// A picture of a movie's ending darkening, as the screen shows it at `tick`.
struct DarkeningPicture
{
    std::span<const std::uint32_t> rgb; // kFrameSize colours as colorFromRgb makes them
    Tick tick = 0;
    // How like the picture its own fresh mapping to the palette is (ScreenSimilarity).
    double ownLikeness = 1;
};

// How much of the movie's look the game's fade out, darkening `screen` (kFrameSize indices into
// `palette`) from tick `start` on, would lose against showing the movie's own pictures: the mean,
// over `pictures` (those from `start` on, in order), of how much less like each picture the
// faded screen is than its own mapping. 0 for no pictures.
double fadeOutLoss(std::span<const std::uint8_t> screen, const PaletteColors &palette, Tick start,
                   std::span<const DarkeningPicture> pictures, ScreenSimilarity &similarity);

} // namespace tessa
