// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "changeplan.h"
#include "imageio/patterndither.h"
#include "imaging/palette.h"
#include "screenerror.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// Maps the pictures of a movie, one after the other, to a fixed palette so that what stands
// still keeps its indices: every picture is dithered in a pattern tied to the screen, and of the
// pixels whose index that would change, those are stored again whose change brings the screen
// nearest to the picture for the bytes it costs, as the file stores them (a run of neighbours
// costs far less a pixel than pixels on their own). The comparison is with what is displayed, not
// with the picture before, so slow changes and fades are caught up with; and a pixel that has
// differed from its fresh index for too long is stored whatever it costs.
class StableMapper
{
public:
    // `quality` 0 to 100 (clamped): how much a byte must buy, and how long the screen may lag.
    StableMapper(const PaletteColors &palette, int quality);

    // Maps `rgb` (kFrameSize colours as colorFromRgb makes them, top row first), which the movie
    // shows `seconds` after the start, and returns how many pixels took another index. The
    // first picture is mapped whole.
    int map(std::span<const std::uint32_t> rgb, double seconds);
    // The screen after the last map: kFrameSize indices.
    const std::vector<std::uint8_t> &shown() const { return m_shown; }

    // How long, in seconds, a pixel may differ from its fresh index.
    double staleAllowed() const { return m_staleSeconds; }

private:
    PatternDither m_dither;
    double m_costPerByte;
    double m_staleSeconds;
    ScreenError m_error;
    std::vector<std::uint8_t> m_shown;
    std::vector<float> m_staleFor; // seconds each pixel has differed from its fresh index
    double m_lastSeconds = 0;
    // Reused from picture to picture.
    std::vector<std::uint8_t> m_fresh;
    std::vector<float> m_gains;
    std::vector<PixelChange> m_changes;
};

} // namespace tessa
