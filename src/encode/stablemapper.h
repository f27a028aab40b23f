// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imageio/nearestcolor.h"
#include "imaging/palette.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// Maps the pictures of a movie, one after the other, to a fixed palette so that what stands
// still keeps its indices: every picture is dithered in a pattern tied to the screen (ordered
// dithering), and a pixel takes its new index only when what the screen shows there has drifted
// visibly from the picture, or has differed from it for too long. The comparison is with what
// is displayed, not with the picture before, so slow changes and fades are caught up with too.
class StableMapper
{
public:
    // `quality` 0 to 100 (clamped): how far, and for how long, the screen may lag behind.
    StableMapper(const PaletteColors &palette, int quality);

    // Maps `rgb` (kFrameSize colours as colorFromRgb makes them, top row first), which the movie
    // shows `seconds` after the start, and returns how many pixels took another index. The
    // first picture is mapped whole.
    int map(std::span<const std::uint32_t> rgb, double seconds);
    // The screen after the last map: kFrameSize indices.
    const std::vector<std::uint8_t> &shown() const { return m_shown; }

    // How much farther (Euclidean distance in 8-bit components) from the picture a shown pixel
    // may be than its fresh index would be, and how long, in seconds, it may differ from it.
    double driftAllowed() const { return m_drift; }
    double staleAllowed() const { return m_staleSeconds; }

private:
    const PaletteColors &m_palette;
    NearestColor m_nearest;
    double m_drift;
    double m_staleSeconds;
    std::vector<std::uint8_t> m_shown;
    std::vector<float> m_staleFor; // seconds each pixel has differed from its fresh index
    double m_lastSeconds = 0;
};

} // namespace tessa
