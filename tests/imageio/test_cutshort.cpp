// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Files cut short, of every kind that says where it ends, as Qt's writers and giflib write them.
#include "imageio/cutshort.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <gif_lib.h>

using namespace tessa;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A noisy picture, so that every kind's data runs through most of the file.
QImage noise()
{
    QImage image(320, 200, QImage::Format_RGB32);
    std::uint32_t seed = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525 + 1013904223;
            image.setPixel(x, y, seed >> 8);
        }
    return image;
}

Bytes written(const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(noise())) << format;
    return Bytes(bytes.begin(), bytes.end());
}

Bytes gifWritten()
{
    Bytes bytes;
    const auto append = [](GifFileType *gif, const GifByteType *data, int length) {
        auto *to = static_cast<Bytes *>(gif->UserData);
        to->insert(to->end(), data, data + length);
        return length;
    };
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, append, &error);
    std::vector<GifColorType> colors(256);
    for (int i = 0; i < 256; ++i)
        colors[std::size_t(i)] = {GifByteType(i), GifByteType(255 - i), GifByteType(i / 2)};
    ColorMapObject *map = GifMakeMapObject(256, colors.data());
    EGifPutScreenDesc(gif, 320, 200, 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, 320, 200, false, nullptr);
    const QImage picture = noise();
    for (int y = 0; y < 200; ++y) {
        std::vector<GifPixelType> line(320);
        for (int x = 0; x < 320; ++x)
            line[std::size_t(x)] = GifPixelType(picture.pixel(x, y));
        EGifPutLine(gif, line.data(), 320);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

const std::string kPart = "only part of the picture is there";

} // namespace

TEST(CutShortRemains, WholeFilesAreWholeAndCutOnesSayWhatIsLeft)
{
    const struct
    {
        const char *kind;
        Bytes file;
        std::string remains;
        std::size_t lastNeeded; // bytes from the end whose loss cuts the picture
    } rows[] = {
            {"PNG", written("png"), kPart, 1},
            {"BMP", written("bmp"), kPart, 1},
            {"JPEG", written("jpeg"),
             "the picture is there only down to where the file stops; below that it comes out "
             "grey",
             1},
            {"progressive JPEG", written("jpeg", true),
             "the picture is there only in part, with less detail, or grey where its data is "
             "missing",
             1},
            // The trailer only ends the file; the picture ends with its block terminator.
            {"GIF", gifWritten(), kPart, 2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.kind);
        ASSERT_GT(row.file.size(), 1000u);
        EXPECT_EQ(cutShortRemains(row.file), std::nullopt);
        Bytes trailing = row.file;
        trailing.insert(trailing.end(), 100, 0x55);
        EXPECT_EQ(cutShortRemains(trailing), std::nullopt) << "bytes after the end are not a cut";
        for (const std::size_t size :
             {row.file.size() / 4, row.file.size() / 2, row.file.size() - row.lastNeeded}) {
            const auto cut = cutShortRemains(std::span(row.file).first(size));
            ASSERT_TRUE(cut) << size;
            EXPECT_EQ(*cut, row.remains) << size;
        }
    }
}

TEST(CutShortRemains, OtherKindsAndHeadersAloneAreLeftToTheirReaders)
{
    const Bytes text(40, 'x');
    EXPECT_EQ(cutShortRemains(text), std::nullopt);
    EXPECT_EQ(cutShortRemains(Bytes{'B', 'M', 1, 2}), std::nullopt) << "too short to be a BMP";
    // A BMP that declares more bytes than it has is cut, whatever its rows say.
    Bytes bmp = written("bmp");
    bmp[5] = 0x7F;
    EXPECT_EQ(cutShortRemains(bmp), kPart);
}
