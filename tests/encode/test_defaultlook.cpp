// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animfile.h"
#include "encode/movieencoder.h"
#include "lookmeasure.h"
#include "syntheticclips.h"

#include <gtest/gtest.h>

using namespace tessa;
using namespace tessa::cliptest;

namespace {

PaletteColors mainPalette()
{
    return paletteColorsFromData(builtInPalette(0));
}

std::size_t bytesOf(const ItemList &items)
{
    return writeAnimation(items)->size();
}

} // namespace

class DefaultLook : public testing::TestWithParam<ClipKind>
{
};

// The default keeps the look of dithering every picture afresh (within 0.005 of its blurred-luma
// SSIM), in fewer bytes than ordered dithering of what changed, on every kind of clip.
TEST_P(DefaultLook, AsDitheringEveryPictureInFewerBytesThanOrderedRectangles)
{
    const Clip clip = makeClip(GetParam());
    const PaletteColors palette = mainPalette();
    const auto ours = encodeMovie(clip.frames, clip.seconds, palette, {});
    ASSERT_TRUE(ours) << ours.error().text;
    const ItemList dithered = ditheredEachPicture(clip, palette);
    const ItemList ordered = orderedRectangles(clip, palette);

    const double ourLook = lookOf(screensOf(*ours, palette, clip), clip);
    const double ditheredLook = lookOf(screensOf(dithered, palette, clip), clip);
    EXPECT_GE(ourLook, ditheredLook - 0.005) << "dithering every picture: " << ditheredLook;
    EXPECT_LT(bytesOf(*ours), bytesOf(ordered))
            << "dithering every picture: " << bytesOf(dithered) << " bytes";
}

INSTANTIATE_TEST_SUITE_P(Kinds, DefaultLook,
                         testing::Values(ClipKind::Zoom, ClipKind::Pan, ClipKind::Grain,
                                         ClipKind::Sprite, ClipKind::FadeOut, ClipKind::FadeIn,
                                         ClipKind::CrossFade, ClipKind::Cut, ClipKind::Dark,
                                         ClipKind::Bright),
                         [](const testing::TestParamInfo<ClipKind> &info) {
                             return makeClipName(info.param);
                         });
