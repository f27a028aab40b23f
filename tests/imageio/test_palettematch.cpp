// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "imageio/imagefile.h"
#include "imageio/palettematch.h"
#include "testpalettes.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tessa;
using tessa::test::mainPalette;

namespace {

using Bytes = std::vector<std::uint8_t>;

QRgb rgbOf(std::uint32_t color)
{
    return qRgb(redOf(color), greenOf(color), blueOf(color));
}

Bytes stripedFrame()
{
    Bytes frame(kFrameSize);
    for (int i = 0; i < kFrameSize; ++i)
        frame[std::size_t(i)] = std::uint8_t((i / 320 + (i % 320) / 5) % 200 + 20);
    return frame;
}

// A truecolour picture of the palette's colours at `frame`'s indices, off by `offset` in red.
QImage truecolour(const Bytes &frame, const PaletteColors &palette, int offset = 0)
{
    QImage image(320, 200, QImage::Format_RGB32);
    for (int i = 0; i < kFrameSize; ++i) {
        const std::uint32_t c = palette[frame[std::size_t(i)]];
        image.setPixel(i % 320, i / 320,
                       qRgb(std::min(255, redOf(c) + offset), greenOf(c), blueOf(c)));
    }
    return image;
}

std::vector<QRgb> colorsOf(const Bytes &frame, const PaletteColors &palette)
{
    std::vector<QRgb> colors;
    for (const std::uint8_t index : frame)
        colors.push_back(rgbOf(palette[index]));
    return colors;
}

} // namespace

TEST(IndexRanges, ReadsListsAndRangesAndRefusesTheRest)
{
    const auto set = parseIndexRanges(" 0-3 , 7,250-255");
    ASSERT_TRUE(set);
    EXPECT_EQ(indexRangesText(*set), "0-3, 7, 250-255");
    EXPECT_TRUE(parseIndexRanges("")->at(0) == false);
    for (const char *bad : {"256", "5-2", "a", "1,,2", "-3", "3-"})
        EXPECT_FALSE(parseIndexRanges(bad)) << bad;
}

TEST(ClassifyImage, TellsPassThroughRenumberingAndMatching)
{
    const PaletteColors palette = mainPalette();
    const Bytes frame = stripedFrame();
    QImage same = frameImage(frame, palette);
    // Low bits below the palette's precision still pass.
    QList<QRgb> table = same.colorTable();
    table[20] = table[20] | 0x030303;
    same.setColorTable(table);
    EXPECT_EQ(classifyImage(same, palette), ImportKind::PassThrough);

    // Swap two used entries and their pixels: a renumbering.
    QImage swapped = frameImage(frame, palette);
    table = swapped.colorTable();
    std::swap(table[20], table[21]);
    swapped.setColorTable(table);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x) {
            uchar &p = swapped.scanLine(y)[x];
            p = p == 20 ? 21 : p == 21 ? 20 : p;
        }
    EXPECT_EQ(classifyImage(swapped, palette), ImportKind::Renumbering);
    const auto renumbered = matchImage(swapped, palette, {}, {});
    ASSERT_TRUE(renumbered);
    EXPECT_EQ(colorsOf(renumbered->pixels, palette), colorsOf(frame, palette));
    EXPECT_EQ(renumbered->figures.notExact, 0);

    table[30] = qRgb(201, 77, 13); // not a palette colour at 6 bits
    swapped.setColorTable(table);
    EXPECT_EQ(classifyImage(swapped, palette), ImportKind::Matching);
    EXPECT_EQ(classifyImage(truecolour(frame, palette), palette), ImportKind::Matching);
}

TEST(MatchImage, EveryMethodGivesExactColoursBackExactly)
{
    const PaletteColors palette = mainPalette();
    const QImage image = truecolour(stripedFrame(), palette);
    for (const MatchMethod method :
         {MatchMethod::Nearest, MatchMethod::FloydSteinberg, MatchMethod::Ordered}) {
        MatchOptions options;
        options.method = method;
        const auto result = matchImage(image, palette, {}, options);
        ASSERT_TRUE(result);
        if (method == MatchMethod::Ordered)
            continue; // ordered dithering moves even exact colours, by design
        EXPECT_EQ(colorsOf(result->pixels, palette), colorsOf(stripedFrame(), palette));
        EXPECT_EQ(result->figures.notExact, 0) << int(method);
        EXPECT_EQ(result->figures.largestError, 0) << int(method);
    }
}

TEST(MatchImage, LockedIndicesAreNeverChosen)
{
    const PaletteColors palette = mainPalette();
    MatchOptions options;
    for (int i = 0; i < 128; ++i)
        options.locked[std::size_t(i)] = true;
    const auto result = matchImage(truecolour(stripedFrame(), palette, 3), palette, {}, options);
    ASSERT_TRUE(result);
    for (const std::uint8_t index : result->pixels)
        ASSERT_GE(index, 128);
    options.locked.fill(true);
    EXPECT_FALSE(matchImage(truecolour(stripedFrame(), palette), palette, {}, options));
}

TEST(MatchImage, KeepsPixelsCloseToThePreviousImage)
{
    const PaletteColors palette = mainPalette();
    const Bytes previous = stripedFrame();
    // Six steps of red off everywhere: close enough at 8, not at 4.
    const QImage image = truecolour(previous, palette, 6);
    MatchOptions options;
    options.keepClose = true;
    options.closeThreshold = 8;
    const auto kept = matchImage(image, palette, previous, options);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->pixels, previous);
    EXPECT_EQ(kept->figures.keptFromPrevious, kFrameSize);
    EXPECT_EQ(kept->figures.changedFromPrevious, 0);
    EXPECT_EQ(kept->figures.storedSize, 6u); // the end chunk only

    options.closeThreshold = 4;
    const auto matched = matchImage(image, palette, previous, options);
    ASSERT_TRUE(matched);
    // Only pixels whose red was already near 255 stay within 4.
    EXPECT_LT(matched->figures.keptFromPrevious, kFrameSize / 10);
    EXPECT_TRUE(matched->figures.hasPrevious);
    EXPECT_GT(matched->figures.notExact, 0);
    EXPECT_GE(matched->figures.largestError, 2.0);
}

TEST(FitToFrame, PlacesOtherSizesByTheChosenFit)
{
    QImage big(640, 400, QImage::Format_RGB32);
    big.fill(qRgb(255, 255, 255));
    big.setPixel(0, 0, qRgb(255, 0, 0));
    QImage small(100, 100, QImage::Format_RGB32);
    small.fill(qRgb(255, 255, 255));
    EXPECT_EQ(fitToFrame(big, FrameFit::Refuse).error(), wrongSizeNotice(640, 400));

    const auto scaled = fitToFrame(big, FrameFit::Scale);
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->size(), QSize(320, 200));
    EXPECT_EQ(scaled->pixel(0, 0), qRgb(255, 0, 0));

    const auto centred = fitToFrame(small, FrameFit::Centre);
    EXPECT_EQ(centred->pixel(110, 49), qRgb(0, 0, 0));
    EXPECT_EQ(centred->pixel(109, 50), qRgb(0, 0, 0));
    EXPECT_EQ(centred->pixel(110, 50), qRgb(255, 255, 255));
    EXPECT_EQ(centred->pixel(209, 149), qRgb(255, 255, 255));
    EXPECT_EQ(centred->pixel(210, 149), qRgb(0, 0, 0));

    const auto letterboxed = fitToFrame(small, FrameFit::Scale);
    EXPECT_EQ(letterboxed->pixel(59, 100), qRgb(0, 0, 0));
    EXPECT_EQ(letterboxed->pixel(60, 100), qRgb(255, 255, 255));
    const auto cropped = fitToFrame(small, FrameFit::Crop);
    EXPECT_EQ(cropped->pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(cropped->pixel(319, 199), qRgb(255, 255, 255));
}
