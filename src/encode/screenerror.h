// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gaussianblur.h"
#include "imaging/palette.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// How much of a picture's look the screen loses, as the eye sees it from a little way off, where
// a dither pattern melts into its mean: the loss of structural similarity (SSIM) of the blurred
// luma, the measure of docs/performance.md, worked out from the small-error form of SSIM so that
// what a change of one pixel is worth can be read off at once. The loss counts where the eye
// counts it: an error on a smooth or dark area of the picture weighs more than one on a busy or
// bright area, which hides it. Colour alone is not judged (a hue left behind is caught up with
// as any stale pixel is).
class ScreenError
{
public:
    explicit ScreenError(const PaletteColors &palette);

    // Takes the picture to measure against (kFrameSize colours as colorFromRgb makes them) and
    // its fresh mapping (kFrameSize indices into the palette), the screen that the others are
    // brought nearer to; returns the fresh mapping's loss (see measure).
    double setPicture(std::span<const std::uint32_t> rgb, std::span<const std::uint8_t> fresh);

    // The loss of the screen `shown` (kFrameSize indices) against the picture: how much lower its
    // mean SSIM is, 0 for the picture itself. Makes gainOfFresh answer for this screen.
    double measure(std::span<const std::uint8_t> shown);

    // What bringing pixel `at`, which shows index `shown` on the screen last measured, to its
    // fresh index gains, in units of the loss times kFrameSize (below 0: loses). The shares of
    // all the pixels add up to how much lower the fresh mapping's loss is than the screen's: each
    // is the pixel's change times the slope of the loss halfway between the two screens, which
    // for the loss's quadratic form is exact. A pixel on its own may gain more or less than its
    // share, as its neighbours stay or change with it.
    float gainOfFresh(std::size_t at, std::uint8_t shown) const;

private:
    using Plane = std::vector<float>;

    // The loss of `shown` times kFrameSize, and in `slope` how it grows with the luma of each
    // pixel, halved.
    double measureInto(std::span<const std::uint8_t> shown, Plane &slope);

    GaussianBlur m_eye;    // the eye's blur, sigma 1
    GaussianBlur m_window; // SSIM's window, sigma 1.5
    std::vector<float> m_paletteLuma;

    Plane m_picture;    // luma
    Plane m_weight;     // what a squared error counts at each pixel, from the local contrast
    Plane m_meanWeight; // what the squared local mean of the error counts, beyond that
    std::vector<std::uint8_t> m_fresh;
    Plane m_freshSlope;
    Plane m_slope; // of the screen last measured
    Plane m_error;
    Plane m_meanError;
    Plane m_scratch;
};

} // namespace tessa
