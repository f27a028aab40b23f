// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "imageio/imagefile.h"
#include "imageio/imageimport.h"
#include "imaging/bmp.h"
#include "plainpng.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <gif_lib.h>

using namespace tessa;

namespace {

std::vector<std::uint8_t> everyIndexFrame()
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
    const auto frame = everyIndexFrame();
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
    QByteArray bytes = gifBytes(everyIndexFrame(), colors, 320, 200, {});
    bytes.truncate(bytes.size() / 2);
    // Qt's reader would still show the rows it got: the file is refused as cut short.
    const auto image = loadImageBytes(bytes, "cut.gif");
    ASSERT_FALSE(image);
    EXPECT_NE(image.error().text.find("\"cut.gif\""), std::string::npos) << image.error().text;
    EXPECT_NE(image.error().text.find("cut short"), std::string::npos) << image.error().text;
    for (const int size : {0, 3, 6, 13, 30})
        EXPECT_FALSE(loadImageBytes(bytes.left(size), "cut.gif")) << size;
}

TEST(IndexedPng, ReadsBackTheSameIndicesAndColours)
{
    test::TempFolder folder;
    const PaletteColors palette = paletteColorsFromData(builtInPalette(1));
    ASSERT_TRUE(writeIndexedPng(folder.file("f.png"), everyIndexFrame(), palette));
    QImageReader reader(QString::fromStdString(folder.file("f.png")));
    EXPECT_EQ(reader.format(), "png");
    const auto image = loadImageFile(QString::fromStdString(folder.file("f.png")));
    ASSERT_TRUE(image);
    ASSERT_EQ(image->format(), QImage::Format_Indexed8);
    EXPECT_EQ(image->colorCount(), 256);
    EXPECT_EQ(classifyImage(*image, palette), ImportKind::PassThrough);
    const auto pixels = importIndexedFile(QString::fromStdString(folder.file("f.png")), palette);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(*pixels, everyIndexFrame());
}

TEST(ImportIndexedFile, KeepsBmpIndicesAndRefusesWhatNeedsMatching)
{
    test::TempFolder folder;
    const PaletteColors main = paletteColorsFromData(builtInPalette(0));
    const PaletteColors extra = paletteColorsFromData(builtInPalette(1));
    test::writeBytes(folder.file("f.bmp"), AddBMPHeader(320, 200, everyIndexFrame(), extra));
    // A BMP keeps its indices whatever its colours, as Add Image takes it.
    EXPECT_EQ(*importIndexedFile(QString::fromStdString(folder.file("f.bmp")), main),
              everyIndexFrame());
    ASSERT_TRUE(writeIndexedPng(folder.file("f.png"), everyIndexFrame(), extra));
    const auto png = importIndexedFile(QString::fromStdString(folder.file("f.png")), main);
    ASSERT_FALSE(png);
    EXPECT_EQ(png.error().text,
              "The image's colours are not all in the palette: match them to it.");
    test::writeBytes(folder.file("t.txt"), std::vector<std::uint8_t>(40, 'x'));
    EXPECT_EQ(importIndexedFile(QString::fromStdString(folder.file("t.txt")), main).error().text,
              "The file was not an 320x200 8-bit BMP.");
}

// Readers fill in what a file cut short lacks (a JPEG's missing rows come out grey): such a
// picture comes with a notice that says so, and loadImageBytes refuses it. Qt refuses a PNG cut
// short itself; a reader that read it must say the same as for a JPEG.
TEST(ReadImage, FileCutShortIsReadWithItsDamageOrRefused)
{
    QImage picture(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    const struct
    {
        const char *name;
        const char *format;
        std::string remains;
    } rows[] = {
            {"cut.jpg", "jpeg",
             "the picture is there only down to where the file stops; below that it comes out "
             "grey"},
            {"cut.png", "png", "only part of the picture is there"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(QImageWriter(&buffer, row.format).write(picture));
        bytes.truncate(bytes.size() / 2);
        const auto read = readImageBytes(bytes, row.name);
        const auto loaded = loadImageBytes(bytes, row.name);
        ASSERT_FALSE(loaded);
        if (!read) {
            EXPECT_EQ(read.error().text, "The image \"" + std::string(row.name)
                                                 + "\" could not be read: the file "
                                                   "is cut short.");
            EXPECT_EQ(loaded.error(), read.error());
            continue;
        }
        ASSERT_TRUE(read->damage);
        EXPECT_EQ(read->damage->text, "The image \"" + std::string(row.name)
                                              + "\" is damaged: the file is cut short, and "
                                              + row.remains + ".");
        EXPECT_EQ(read->image.size(), QSize(320, 200));
        EXPECT_EQ(loaded.error(), *read->damage);
    }
}

// A picture whose pixels Qt would refuse to hold is read scaled down to what the fits take from
// it, and refusals still give its size in the file; one its reader cannot scale is refused as
// too large, with its size. Pictures up to the limit are read whole, beyond Qt's own limit.
TEST(ReadImage, PictureTooLargeToHoldIsReadScaledDownOrRefusedWithItsSize)
{
    const auto bytesOf = [](const std::vector<std::uint8_t> &png) {
        return QByteArray(reinterpret_cast<const char *>(png.data()), qsizetype(png.size()));
    };
    const QRgb green = qRgb(10, 200, 30);
    const auto wide = readImageBytes(bytesOf(test::plainPng(12000, 6000, {10, 200, 30})), "w.png");
    ASSERT_TRUE(wide) << wide.error().text;
    EXPECT_EQ(wide->sizeInFile, QSize(12000, 6000));
    EXPECT_EQ(wide->image.size(), QSize(400, 200)) << "the smallest that covers the frame";
    EXPECT_EQ(wide->image.pixel(0, 0), green);
    EXPECT_EQ(wide->image.pixel(399, 199), green);
    EXPECT_FALSE(wide->damage);

    const auto refused = fitToFrame(wide->image, FrameFit::Refuse, wide->sizeInFile);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().text, "The image is 12000 x 6000 pixels, not 320 x 200.");
    const PaletteColors palette = paletteColorsFromData(builtInPalette(0));
    const auto matched = matchImage(wide->image, palette, {}, MatchOptions{}, wide->sizeInFile);
    ASSERT_FALSE(matched);
    EXPECT_EQ(matched.error(), refused.error());
    const auto scaled = fitToFrame(wide->image, FrameFit::Scale, wide->sizeInFile);
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->pixel(0, 19), qRgb(0, 0, 0)) << "a bar above the 320 x 160 picture";
    EXPECT_EQ(scaled->pixel(0, 20), green);
    EXPECT_EQ(scaled->pixel(319, 179), green);

    const auto huge =
            readImageBytes(bytesOf(test::plainPng(17000, 17000, {1, 2, 3}, true)), "huge.png");
    ASSERT_FALSE(huge);
    EXPECT_EQ(huge.error().text,
              "The image \"huge.png\" could not be read: at 17000 x 17000 pixels it is too large "
              "to hold.");

    const auto large =
            readImageBytes(bytesOf(test::plainPng(9000, 9000, {1, 2, 3}, true)), "large.png");
    ASSERT_TRUE(large) << large.error().text;
    EXPECT_EQ(large->image.size(), QSize(9000, 9000));
    EXPECT_EQ(large->image.format(), QImage::Format_Indexed8);
}
