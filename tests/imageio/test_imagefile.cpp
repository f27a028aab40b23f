// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "imageio/imagefile.h"
#include "imageio/imageimport.h"
#include "imaging/bmp.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <QImageReader>

using namespace tessa;

namespace {

std::vector<std::uint8_t> pattern()
{
    std::vector<std::uint8_t> frame(kFrameSize);
    for (int i = 0; i < kFrameSize; ++i)
        frame[std::size_t(i)] = std::uint8_t(i * 7 % 256);
    return frame;
}

} // namespace

TEST(IndexedPng, ReadsBackTheSameIndicesAndColours)
{
    test::TempFolder folder;
    const PaletteColors palette = paletteColorsFromData(builtInPalette(1));
    ASSERT_TRUE(writeIndexedPng(folder.file("f.png"), pattern(), palette));
    QImageReader reader(QString::fromStdString(folder.file("f.png")));
    EXPECT_EQ(reader.format(), "png");
    const auto image = loadImageFile(QString::fromStdString(folder.file("f.png")));
    ASSERT_TRUE(image);
    ASSERT_EQ(image->format(), QImage::Format_Indexed8);
    EXPECT_EQ(image->colorCount(), 256);
    EXPECT_EQ(classifyImage(*image, palette), ImportKind::PassThrough);
    const auto pixels = importIndexedFile(QString::fromStdString(folder.file("f.png")), palette);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(*pixels, pattern());
}

TEST(ImportIndexedFile, KeepsBmpIndicesAndRefusesWhatNeedsMatching)
{
    test::TempFolder folder;
    const PaletteColors main = paletteColorsFromData(builtInPalette(0));
    const PaletteColors extra = paletteColorsFromData(builtInPalette(1));
    test::writeBytes(folder.file("f.bmp"), AddBMPHeader(320, 200, pattern(), extra));
    // A BMP keeps its indices whatever its colours, as Add Image takes it.
    EXPECT_EQ(*importIndexedFile(QString::fromStdString(folder.file("f.bmp")), main), pattern());
    ASSERT_TRUE(writeIndexedPng(folder.file("f.png"), pattern(), extra));
    const auto png = importIndexedFile(QString::fromStdString(folder.file("f.png")), main);
    ASSERT_FALSE(png);
    EXPECT_EQ(png.error().text,
              "The image's colours are not all in the palette: match them to it.");
    test::writeBytes(folder.file("t.txt"), std::vector<std::uint8_t>(40, 'x'));
    EXPECT_EQ(importIndexedFile(QString::fromStdString(folder.file("t.txt")), main).error().text,
              "The file was not an 320x200 8-bit BMP.");
}
