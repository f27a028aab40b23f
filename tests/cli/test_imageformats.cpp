// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Image files other than the game's BMP frames in a manifest, on the image libraries: what is
// refused says which manifest line would take the image.
#include "document/animitem.h"
#include "imageio/imagefile.h"
#include "manifest.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <QImage>

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
