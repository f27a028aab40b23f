// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Image files other than the game's BMP frames in a manifest, on the image libraries: what is
// refused says which manifest line would take the image.
#include "document/animitem.h"
#include "imageio/imagefile.h"
#include "manifest.h"
#include "plainpng.h"
#include "runtool.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <filesystem>

using namespace tessa;

namespace {

std::vector<std::uint8_t> bands()
{
    std::vector<std::uint8_t> frame(kFrameSize);
    for (int i = 0; i < kFrameSize; ++i)
        frame[std::size_t(i)] = std::uint8_t(i / 320 % 40);
    return frame;
}

} // namespace

TEST(ManifestImages, RefusalsNameTheLinesThatMatchColours)
{
    test::TempFolder folder;
    const PaletteColors main = paletteColorsFromData(builtInPalette(0));
    const PaletteColors extra = paletteColorsFromData(builtInPalette(1));
    ASSERT_TRUE(writeIndexedPng(folder.file("extra.png"), bands(), extra));
    ASSERT_TRUE(frameImage(bands(), main)
                        .convertToFormat(QImage::Format_RGB32)
                        .save(QString::fromStdString(folder.file("rgb.png"))));
    const std::string howToMatch =
            ", with `image FILE match` or `image FILE dither` in the manifest.";
    const struct
    {
        const char *file;
        std::string refusal;
    } rows[] = {
            {"extra.png",
             "The image's colours are not all in the palette: match them to it" + howToMatch},
            {"rgb.png", "The image is not indexed: match its colours to the palette" + howToMatch},
    };
    for (const auto &row : rows) {
        test::writeText(folder.file("m.txt"), std::string("image ") + row.file + "\n");
        const auto kept = loadManifest(folder.file("m.txt"), main);
        ASSERT_FALSE(kept) << row.file;
        EXPECT_EQ(kept.error().text,
                  std::string("manifest line 1: image \"") + row.file + "\":\r\n" + row.refusal);
        // And the line it names does take it.
        test::writeText(folder.file("m.txt"), std::string("image ") + row.file + " match\n");
        EXPECT_TRUE(loadManifest(folder.file("m.txt"), main)) << row.file;
    }
}

// A picture cut short, or far too large, is refused by the line that names it, saying why, and
// tessanim writes nothing: a frame with a grey band where data was missing is nobody's picture.
TEST(ManifestImages, CutShortAndHugePicturesAreRefusedByName)
{
    test::TempFolder folder;
    const PaletteColors main = paletteColorsFromData(builtInPalette(0));
    for (const char *format : {"jpeg", "png"}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(
                QImageWriter(&buffer, format)
                        .write(frameImage(bands(), main).convertToFormat(QImage::Format_RGB32)));
        bytes.truncate(bytes.size() / 2);
        test::writeBytes(folder.file(std::string("cut.") + format),
                         std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   std::size_t(bytes.size())));
    }
    // Too large to hold whole: read scaled down, and refused by its size in the file.
    test::writeBytes(folder.file("huge.png"), test::plainPng(12000, 6000, {200, 30, 40}));

    const auto quoted = [&](const char *name) { return "\"" + folder.file(name) + "\""; };
    const std::string damaged = " is damaged: the file is cut short, and ";
    const struct
    {
        const char *file;
        const char *colors;
        std::string refusal;
        std::string orRefusal; // when the reader can read what is left
    } rows[] = {
            {"cut.jpeg", " dither",
             "The image " + quoted("cut.jpeg") + damaged
                     + "the picture is there only down to where the file stops; below that it "
                       "comes out grey.",
             ""},
            {"cut.png", "",
             "The image " + quoted("cut.png") + " could not be read: the file is cut short.",
             "The image " + quoted("cut.png") + damaged + "only part of the picture is there."},
            {"huge.png", " match", "The image is 12000 x 6000 pixels, not 320 x 200.", ""},
            {"huge.png", "", "The image is 12000 x 6000 pixels, not 320 x 200.", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.file) + row.colors);
        test::writeText(folder.file("m.txt"), std::string("image ") + row.file + row.colors + "\n");
        const auto refused = loadManifest(folder.file("m.txt"), main);
        ASSERT_FALSE(refused);
        const std::string where = std::string("manifest line 1: image \"") + row.file + "\":\r\n";
        if (row.orRefusal.empty() || refused.error().text != where + row.orRefusal) {
            EXPECT_EQ(refused.error().text, where + row.refusal);
        }
    }

    test::writeText(folder.file("m.txt"), "image cut.jpeg match\nend\n");
    const test::ToolRun run =
            test::runTool(folder, {"build", folder.file("m.txt"), folder.file("OUT.QLM")});
    EXPECT_EQ(run.status, 1);
    // After whatever Qt's JPEG reader says of the file on its own.
    const std::string refusal = "manifest line 1: image \"cut.jpeg\":\n" + rows[0].refusal + "\n";
    EXPECT_TRUE(run.err.ends_with(refusal)) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("OUT.QLM")));
}
