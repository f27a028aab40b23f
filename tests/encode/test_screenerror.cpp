// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encode/screenerror.h"
#include "imageio/patterndither.h"
#include "lookmeasure.h"
#include "syntheticclips.h"

#include <gtest/gtest.h>

#include <random>

using namespace tessa;
using namespace tessa::cliptest;

namespace {

PaletteColors mainPalette()
{
    return paletteColorsFromData(builtInPalette(0));
}

std::vector<std::uint8_t> dithered(const Picture &rgb, const PaletteColors &palette)
{
    PatternDither dither(palette);
    std::vector<std::uint8_t> indices(kFrameSize);
    for (int at = 0; at < kFrameSize; ++at)
        indices[std::size_t(at)] =
                dither.index(rgb[std::size_t(at)], at % kFrameWidth, at / kFrameWidth);
    return indices;
}

Picture colours(const std::vector<std::uint8_t> &indices, const PaletteColors &palette)
{
    Picture rgb(indices.size());
    for (std::size_t at = 0; at < rgb.size(); ++at)
        rgb[at] = palette[indices[at]];
    return rgb;
}

} // namespace

TEST(ScreenError, ThePixelsSharesAddUpToWhatTheFreshMappingGains)
{
    // The screen shows the picture before (a pan of three pixels), with a few pixels off besides;
    // bringing every pixel to its fresh index gains exactly what the shares say, however the
    // pixels work together.
    const PaletteColors palette = mainPalette();
    const Clip clip = makeClip(ClipKind::Pan);
    const auto fresh = dithered(clip.frames[1].rgb, palette);
    auto shown = dithered(clip.frames[0].rgb, palette);
    std::mt19937 random(3);
    for (int i = 0; i < 500; ++i)
        shown[random() % shown.size()] = std::uint8_t(random() % 256);
    ScreenError error(palette);
    const double freshLoss = error.setPicture(clip.frames[1].rgb, fresh);
    const double shownLoss = error.measure(shown);
    double shares = 0;
    for (std::size_t at = 0; at < shown.size(); ++at)
        shares += shown[at] == fresh[at] ? 0.0 : error.gainOfFresh(at, shown[at]);
    EXPECT_GT(shownLoss, freshLoss);
    EXPECT_NEAR(shares / kFrameSize, shownLoss - freshLoss, 1e-4 * shownLoss);
}

TEST(ScreenError, TheLossIsWhatTheScreensBlurredLumaSsimLosesWhileItIsSmall)
{
    // Table: screens nearer and farther from the picture; the estimate, made for small errors,
    // follows the measure of docs/performance.md closely near the picture.
    const PaletteColors palette = mainPalette();
    for (const ClipKind kind : {ClipKind::Zoom, ClipKind::Dark, ClipKind::Bright}) {
        const Clip clip = makeClip(kind);
        const Picture &picture = clip.frames[2].rgb;
        const auto fresh = dithered(picture, palette);
        ScreenError error(palette);
        const double freshLoss = error.setPicture(picture, fresh);
        for (const std::size_t lagging : {std::size_t(0), std::size_t(1)}) {
            const auto shown = dithered(clip.frames[lagging].rgb, palette);
            const double measured = 1 - blurredLumaSsim(colours(shown, palette), picture);
            EXPECT_NEAR(error.measure(shown), measured, 0.2 * measured + 0.001)
                    << clip.name << ", picture " << lagging;
        }
        EXPECT_NEAR(freshLoss, 1 - blurredLumaSsim(colours(fresh, palette), picture),
                    0.2 * freshLoss + 0.001)
                << clip.name;
    }
}
