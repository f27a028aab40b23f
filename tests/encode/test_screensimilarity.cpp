// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encode/screensimilarity.h"
#include "imageio/patterndither.h"
#include "lookmeasure.h"
#include "syntheticclips.h"

#include <gtest/gtest.h>

using namespace tessa;
using namespace tessa::cliptest;

namespace {

Picture dithered(const Picture &rgb)
{
    const PaletteColors palette = paletteColorsFromData(builtInPalette(0));
    PatternDither dither(palette);
    Picture shown(rgb.size());
    for (int at = 0; at < kFrameSize; ++at)
        shown[std::size_t(at)] =
                palette[dither.index(rgb[std::size_t(at)], at % kFrameWidth, at / kFrameWidth)];
    return shown;
}

} // namespace

TEST(ScreenSimilarity, MeasuresAsTheBenchmarkDoes)
{
    // The encoder's own measure, against the one written here as the benchmark's is.
    ScreenSimilarity similarity;
    for (const ClipKind kind : {ClipKind::Zoom, ClipKind::Grain, ClipKind::FadeIn}) {
        const Clip clip = makeClip(kind);
        const Picture shown = dithered(clip.frames[5].rgb);
        EXPECT_NEAR(similarity.between(shown, clip.frames[5].rgb),
                    blurredLumaSsim(shown, clip.frames[5].rgb), 1e-5)
                << clip.name;
        EXPECT_NEAR(similarity.between(clip.frames[5].rgb, clip.frames[5].rgb), 1.0, 1e-9);
    }
}
