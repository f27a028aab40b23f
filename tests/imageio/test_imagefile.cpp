// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "imageio/imagefile.h"
#include "imageio/imageimport.h"
#include "imaging/bmp.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <QImageReader>

#include <gif_lib.h>

using namespace tessa;

namespace {

std::vector<std::uint8_t> pattern()
{
    std::vector<std::uint8_t> frame(kFrameSize);
    for (int i = 0; i < kFrameSize; ++i)
        frame[std::size_t(i)] = std::uint8_t(i * 7 % 256);
    return frame;
}

// A GIF as giflib writes it: a `screen` x `screen` canvas (background index 5) holding one
// picture of `pixels` (`width` wide) at `left`, `top`, with a global table of `colors`.
struct GifPicture
{
    int width = 320;
    int height = 200;
    int left = 0;
    int top = 0;
    bool interlaced = false;
    int transparent = -1;
};

QByteArray gifBytes(const std::vector<std::uint8_t> &pixels, const PaletteColors &colors,
                    int screenWidth, int screenHeight, const GifPicture &picture)
{
    QByteArray bytes;
    const auto append = [](GifFileType *gif, const GifByteType *data, int length) {
        static_cast<QByteArray *>(gif->UserData)
                ->append(reinterpret_cast<const char *>(data), length);
        return length;
    };
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, append, &error);
    std::vector<GifColorType> table;
    for (const std::uint32_t c : colors)
        table.push_back({GifByteType(redOf(c)), GifByteType(greenOf(c)), GifByteType(blueOf(c))});
    ColorMapObject *map = GifMakeMapObject(256, table.data());
    EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, 5, map);
    if (picture.transparent >= 0) {
        GraphicsControlBlock control{};
        control.TransparentColor = picture.transparent;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension);
    }
    EGifPutImageDesc(gif, picture.left, picture.top, picture.width, picture.height,
                     picture.interlaced, nullptr);
    // An interlaced picture is written in its four passes of rows.
    std::vector<int> rows;
    for (const auto &[first, step] :
         picture.interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                            : std::vector<std::pair<int, int>>{{0, 1}})
        for (int y = first; y < picture.height; y += step)
            rows.push_back(y);
    for (const int y : rows) {
        std::vector<GifPixelType> line(pixels.begin() + y * picture.width,
                                       pixels.begin() + (y + 1) * picture.width);
        EGifPutLine(gif, line.data(), picture.width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

} // namespace

// Qt's GIF reader gives colours; the indices, which an indexed frame is taken by, must survive.
TEST(IndexedGif, KeepsItsIndicesAndColours)
{
    // Indices 0 and 1 share a colour, so only the file's own index tells them apart.
    PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    colors[1] = colors[0];
    const auto frame = pattern();
    for (const bool interlaced : {false, true}) {
        GifPicture picture;
        picture.interlaced = interlaced;
        const auto image = loadImageBytes(gifBytes(frame, colors, 320, 200, picture), "f.gif");
        ASSERT_TRUE(image) << image.error().text;
        ASSERT_EQ(image->format(), QImage::Format_Indexed8) << interlaced;
        ASSERT_EQ(image->size(), QSize(320, 200));
        for (int i = 0; i < 256; ++i)
            EXPECT_EQ(image->color(i),
                      qRgb(redOf(colors[std::size_t(i)]), greenOf(colors[std::size_t(i)]),
                           blueOf(colors[std::size_t(i)])))
                    << i;
        const auto taken = takeIndices(*image, colors);
        ASSERT_TRUE(taken) << interlaced;
        EXPECT_EQ(*taken, frame) << interlaced;
    }
}

TEST(IndexedGif, SmallPictureLiesOnTheBackgroundAndTransparencyIsKept)
{
    const PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    GifPicture picture{4, 2, 3, 1, false, 9};
    const std::vector<std::uint8_t> pixels{1, 2, 3, 4, 9, 8, 7, 6};
    const auto image = loadImageBytes(gifBytes(pixels, colors, 10, 4, picture), "s.gif");
    ASSERT_TRUE(image) << image.error().text;
    ASSERT_EQ(image->format(), QImage::Format_Indexed8);
    ASSERT_EQ(image->size(), QSize(10, 4));
    EXPECT_EQ(image->pixelIndex(0, 0), 5);
    EXPECT_EQ(image->pixelIndex(3, 1), 1);
    EXPECT_EQ(image->pixelIndex(6, 2), 6);
    EXPECT_EQ(image->pixelIndex(7, 2), 5);
    EXPECT_EQ(qAlpha(image->color(9)), 0);
    EXPECT_EQ(qAlpha(image->color(8)), 255);
}

TEST(IndexedGif, DamagedGifIsRefusedNamingTheFile)
{
    const PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    QByteArray bytes = gifBytes(pattern(), colors, 320, 200, {});
    bytes.truncate(bytes.size() / 2);
    const auto image = loadImageBytes(bytes, "cut.gif");
    // Qt may still show the rows it got; giflib's refusal must not crash or lose the file's name.
    if (!image) {
        EXPECT_NE(image.error().text.find("cut.gif"), std::string::npos) << image.error().text;
    }
    for (const int size : {0, 3, 6, 13, 30})
        EXPECT_FALSE(loadImageBytes(bytes.left(size), "cut.gif")) << size;
}

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
