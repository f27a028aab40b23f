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
// still keeps its indices. Every picture is dithered in a pattern tied to the screen (its fresh
// mapping); of the pixels whose index that would change, the screen takes the cheapest set, as
// the file stores them (a run of neighbours costs far less a pixel than pixels on their own),
// that brings it within the quality's allowance of the fresh mapping's look (ScreenError). The
// comparison is with what is displayed, not with the picture before, so slow changes and fades
// are caught up with.
//
// What the screen takes is also kept from flickering: a pixel whose picture still looks as it
// did when its index was chosen (no more than a just-visible step away, and near enough in luma
// for the quality) keeps its index, unless the picture cannot be brought within the allowance
// without it. A pixel is not left plainly wrong (its own share of the loss too large for the
// quality), however well the rest of the picture looks; and one whose picture has changed plainly
// (three just-visible steps) but which the allowance lets lag is stored once it has lagged too
// long.
class StableMapper
{
public:
    // `quality` 0 to 100 (clamped): how much of the fresh mapping's look a picture may lose, and
    // how long a pixel may lag.
    StableMapper(const PaletteColors &palette, int quality);

    // How much of its fresh mapping's look, in mean SSIM of the blurred luma, a picture may lose
    // at `quality`: 0.04 at 0, falling with the square of the quality lost to 0 at 100.
    static double lossAllowed(int quality);

    // Maps `rgb` (kFrameSize colours as colorFromRgb makes them, top row first), which the movie
    // shows `seconds` after the start, and returns how many pixels took another index. The
    // first picture is mapped whole.
    int map(std::span<const std::uint32_t> rgb, double seconds);
    // The screen after the last map: kFrameSize indices.
    const std::vector<std::uint8_t> &shown() const { return m_shown; }

    // The fresh mapping of `rgb` (as map takes it) into `indices`, changing nothing else.
    void mapAfresh(std::span<const std::uint32_t> rgb, std::vector<std::uint8_t> &indices);
    const PaletteColors &palette() const { return m_dither.palette(); }

    // How long, in seconds, a pixel may lag behind a plain change of its picture.
    double staleAllowed() const { return m_staleSeconds; }

private:
    // Sorts the pixels into m_changes (and m_held, those kept from flickering), from the fresh
    // mapping and the picture's colours in m_lab.
    void sortChanges(std::span<const std::uint32_t> rgb, float elapsed);
    // Brings m_next within `target` (the loss times kFrameSize) of the picture, a few plans at
    // most, then every change there is.
    void bringWithin(double target);
    // Takes into m_store the cheapest changes (m_gains, m_changes) whose gains add up to
    // `wanted`, or all that gain anything; returns what they gain.
    double planFor(double wanted);
    // The picture's colour at `at` becomes what its index was chosen for.
    void anchor(std::size_t at, float luma);

    PatternDither m_dither;
    double m_lossAllowed;
    double m_steadyLoss; // what a pixel held as steady may lose in luma (see map)
    double m_staleSeconds;
    float m_plainGain; // a share of the loss that a pixel may not keep (see map)
    ScreenError m_error;
    std::vector<std::uint8_t> m_shown;
    std::vector<float> m_staleFor; // seconds each pixel has lagged behind a plain change
    std::vector<float> m_anchors;  // L*, a*, b* and luma each pixel's index was chosen for
    double m_lastSeconds = 0;
    // Reused from picture to picture.
    std::vector<float> m_lab;
    std::vector<std::uint8_t> m_fresh;
    std::vector<std::uint8_t> m_next;
    std::vector<std::uint8_t> m_held;
    std::vector<float> m_gains;
    std::vector<PixelChange> m_changes;
    std::vector<std::uint8_t> m_store;
    ChangePlanner m_planner;
    double m_costPerByte = 0; // the last one taken: where the next search starts
    // How much more a plan's gains promise than its changes bring, as the last pictures showed:
    // what a pixel is worth is judged as though its neighbours stayed.
    double m_promise = 1.0;
};

} // namespace tessa
