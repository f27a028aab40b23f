// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/paths.h"
#include "imaging/bmp.h"
#include "imaging/palette.h"
#include "manifest.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

using namespace tessa;
using namespace tessa::test;
using Bytes = std::vector<std::uint8_t>;

namespace {

AnimItem rawItem(std::string code, Bytes data, std::optional<std::int32_t> size = std::nullopt)
{
    AnimItem item;
    item.Code = std::move(code);
    item.DataSize = size.value_or(static_cast<std::int32_t>(data.size()));
    item.Data = std::move(data);
    return item;
}

// What a manifest line says: the stored fields of the item, and an image's file.
struct Said
{
    Said() = default;
    Said(std::string code, std::int32_t size, Bytes data, std::string imageFile = {})
        : code(std::move(code))
        , size(size)
        , data(std::move(data))
        , imageFile(std::move(imageFile))
    {
    }

    std::string code;
    std::int32_t size = 0;
    Bytes data;
    std::string imageFile;

    bool operator==(const Said &) const = default;
};

Said said(const ManifestEntry &entry)
{
    return {entry.item.Code, entry.item.DataSize, entry.item.Data, entry.imageFile};
}

Said said(const AnimItem &item, std::string imageFile = {})
{
    return {item.Code, item.DataSize, item.Data, std::move(imageFile)};
}

std::ostream &operator<<(std::ostream &out, const Said &s)
{
    out << "code '" << s.code << "' size " << s.size << " data";
    for (const auto byte : s.data)
        out << ' ' << int(byte);
    return out << " image '" << s.imageFile << "'";
}

Said readOne(const std::string &line)
{
    const auto entries = readManifest(line);
    EXPECT_TRUE(entries) << line << ": " << (entries ? "" : entries.error().text());
    if (!entries)
        return {};
    EXPECT_EQ(entries->size(), 1u) << line;
    return entries->empty() ? Said{} : said(entries->front());
}

ManifestError refusalOf(const std::string &text)
{
    const auto entries = readManifest(text);
    EXPECT_FALSE(entries) << text;
    return entries ? ManifestError{} : entries.error();
}

const Said kImage{"GR", 0, {}, ""};

Said image(std::string file)
{
    Said s = kImage;
    s.imageFile = std::move(file);
    return s;
}

} // namespace

TEST(ManifestReader, EachFormSaysOneItem)
{
    const struct
    {
        std::string line;
        Said item;
    } rows[] = {
            {"image title.bmp", image("title.bmp")},
            {"  IMAGE   my frame 1.bmp  ", image("my frame 1.bmp")},
            {"image\tframes/a.bmp", image("frames/a.bmp")},
            {"image ./ leading blank.bmp", image("./ leading blank.bmp")},
            {"image #1.bmp", image("#1.bmp")},
            {"fade in", {"FI", 0, {}}},
            {"Fade   OUT", {"FO", 0, {}}},
            {"end", {"XX", 0, {}}},
            {"pause 30", {"PA", 2, {0x1E, 0x00}}},
            {"pause 0", {"PA", 2, {0x00, 0x00}}},
            {"pause 007", {"PA", 2, {0x07, 0x00}}},
            {"pause 65535", {"PA", 2, {0xFF, 0xFF}}},
            {"sound 258", {"SD", 2, {0x02, 0x01}}},
            {"item ZZ", {"ZZ", 0, {}}},
            {"item ZZ 01 ff", {"ZZ", 2, {0x01, 0xFF}}},
            {"item ZZ 01FF0a", {"ZZ", 3, {0x01, 0xFF, 0x0A}}},
            {"item PA size -1", {"PA", -1, {}}},
            {"item PA SIZE -2147483648", {"PA", std::numeric_limits<std::int32_t>::min(), {}}},
            {"item PA size 3 01 02 03", {"PA", 3, {1, 2, 3}}},
            {"item PA size 0", {"PA", 0, {}}},
            {"item FI 01 02", {"FI", 2, {1, 2}}},
            {"item 0xC3A9 00", {"\xC3\xA9", 1, {0}}},
            {"item 0X0000", {std::string(2, '\0'), 0, {}}},
            {"item 0x2020 size 0", {"  ", 0, {}}},
            {"item 0x size 0", {"0x", 0, {}}},
            {"item ## 41", {"##", 1, {0x41}}},
            {"item gr", {"gr", 0, {}}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(readOne(row.line), row.item) << row.line;
}

TEST(ManifestReader, CommentsAndBlankLinesAreSkippedButCounted)
{
    const auto entries = readManifest("\xEF\xBB\xBF# made by hand\r\n\r\n   \n\t# indented\r\n"
                                      "image a.bmp\r\nfade in\r\nend");
    ASSERT_TRUE(entries) << entries.error().text();
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ(said((*entries)[0]), image("a.bmp")); // no CR left on the name
    EXPECT_EQ((*entries)[0].line, 5);
    EXPECT_EQ((*entries)[1].line, 6);
    EXPECT_EQ((*entries)[2].line, 7);

    const auto none = readManifest("# nothing\n\n");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
}

TEST(ManifestReader, RefusalsNameTheLineAndTheFault)
{
    const std::string byteCode = "is not an item code: two printable ASCII characters, or 0x and "
                                 "four hex digits";
    const std::string pauseRange = "'pause' needs a whole number from 0 to 65535";
    const std::string sizeRange = "'size' needs a whole number from -2147483648 to 2147483647";
    const struct
    {
        std::string text;
        ManifestError error;
    } rows[] = {
            {"image a.bmp\npase 30", {2, "unknown keyword 'pase'"}},
            {"# one\n\nend\r\nbogus\r\n", {4, "unknown keyword 'bogus'"}},
            {"image", {1, "'image' needs a file name"}},
            {"image   \t", {1, "'image' needs a file name"}},
            {"fade", {1, "'fade' must be followed by 'in' or 'out'"}},
            {"fade sideways", {1, "'fade' must be followed by 'in' or 'out'"}},
            {"fade in now", {1, "unexpected 'now' at the end of the line"}},
            {"end 1", {1, "unexpected '1' at the end of the line"}},
            {"pause", {1, pauseRange}},
            {"pause 65536", {1, pauseRange + ", not '65536'"}},
            {"pause -1", {1, pauseRange + ", not '-1'"}},
            {"pause +3", {1, pauseRange + ", not '+3'"}},
            {"pause 1.5", {1, pauseRange + ", not '1.5'"}},
            {"sound 0x10", {1, "'sound' needs a whole number from 0 to 65535, not '0x10'"}},
            {"pause 1 2", {1, "unexpected '2' at the end of the line"}},
            {"item",
             {1, "'item' needs a code: two printable ASCII characters, or 0x and four hex "
                 "digits"}},
            {"item Z", {1, "'Z' " + byteCode}},
            {"item ZZZ", {1, "'ZZZ' " + byteCode}},
            {"item 0xC3", {1, "'0xC3' " + byteCode}},
            {"item 0xC3A", {1, "'0xC3A' " + byteCode}},
            {"item 0xZZZZ", {1, "'0xZZZZ' " + byteCode}},
            {"item \xC3\xA9", {1, "'\xC3\xA9' " + byteCode}},
            {"item GR", {1, "an image is written 'image FILE'"}},
            {"item 0x4752 00", {1, "an image is written 'image FILE'"}},
            {"item ZZ size", {1, sizeRange}},
            {"item ZZ size 2147483648", {1, sizeRange + ", not '2147483648'"}},
            {"item ZZ size ff", {1, sizeRange + ", not 'ff'"}},
            {"item ZZ size -1 00", {1, "size -1 stores no payload, but 1 byte follows"}},
            {"item ZZ size 3 01 02", {1, "size 3, but 2 bytes follow"}},
            {"item ZZ size 1", {1, "size 1, but 0 bytes follow"}},
            {"item ZZ 1", {1, "'1' is not payload bytes in hex (two digits a byte)"}},
            {"item ZZ 0g", {1, "'0g' is not payload bytes in hex (two digits a byte)"}},
            {"item ZZ 01 size 1", {1, "'size' is not payload bytes in hex (two digits a byte)"}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(refusalOf(row.text), row.error) << row.text;
}

TEST(ManifestReader, AMovieLineTakesItsNameWithSpacesAndItsSettings)
{
    const auto entries = readManifest("movie shots/f_%04d.png fps=12.5 FIT=pad quality=40\n"
                                      "movie my clip.mp4 max-bytes=300000 from=1.5 to=3 "
                                      "tick-rate=60 pause-multiplier=2\n"
                                      "movie fit=odd name.gif\n");
    ASSERT_TRUE(entries) << entries.error().text();
    ASSERT_EQ(entries->size(), 3u);
    const ManifestEntry &pictures = (*entries)[0];
    EXPECT_EQ(pictures.movieFile, "shots/f_%04d.png");
    EXPECT_EQ(pictures.movie.fps, 12.5);
    EXPECT_EQ(pictures.movie.fit, "pad");
    EXPECT_EQ(pictures.movie.quality, 40);
    EXPECT_EQ(pictures.movie.maxBytes, 0u);
    const ManifestEntry &clip = (*entries)[1];
    EXPECT_EQ(clip.movieFile, "my clip.mp4");
    EXPECT_EQ(clip.movie.maxBytes, 300000u);
    EXPECT_EQ(clip.movie.from, 1.5);
    EXPECT_EQ(clip.movie.to, 3.0);
    EXPECT_EQ(clip.movie.tickRate, 60.0);
    EXPECT_EQ(clip.movie.pauseMultiplier, 2.0);
    EXPECT_EQ(clip.movie.quality, EncodeChoices{}.quality);
    // The first word is always the name, even when it looks like a setting.
    EXPECT_EQ((*entries)[2].movieFile, "fit=odd name.gif");

    const struct
    {
        std::string text;
        ManifestError error;
    } refusals[] = {
            {"movie", {1, "'movie' needs a file name"}},
            {"movie a.mp4 quality=high", {1, "quality: \"high\" is not a number"}},
            {"movie a.mp4 max-bytes=-5",
             {1, "max-bytes must be 0 (no limit) or a whole number from 1000 to 2000000000, "
                 "not -5"}},
            {"movie a.mp4 fps=nan", {1, "fps: \"nan\" is not a number"}},
            // The ranges of tessanim encode, not only numbers.
            {"movie a.mp4 tick-rate=1e9", {1, "tick-rate must be from 1 to 1000, not 1000000000"}},
            {"movie a.mp4 pause-multiplier=0.001",
             {1, "pause-multiplier must be from 0.1 to 100, not 0.001"}},
            {"movie a.mp4 quality=50.5",
             {1, "quality must be a whole number from 0 to 100, not 50.5"}},
            {"movie a.mp4 max-bytes=0 to=86401", {1, "to must be from 0 to 86400, not 86401"}},
            {"movie a.mp4 qualty=50",
             {1, "'qualty' is not a movie setting: quality, max-bytes, fit, fps, from, to, "
                 "tick-rate or pause-multiplier"}},
    };
    for (const auto &row : refusals)
        EXPECT_EQ(refusalOf(row.text).text(), row.error.text()) << row.text;
}

TEST(ManifestReader, ErrorTextNamesTheLine)
{
    EXPECT_EQ((ManifestError{7, "unknown keyword 'pase'"}).text(),
              "manifest line 7: unknown keyword 'pase'");
}

// Each row: an item, the line the writer gives it, and that reading the line gives it back.
TEST(ManifestWriter, ShortFormOnlyWhenItSaysTheItemExactly)
{
    const struct
    {
        AnimItem item;
        std::string imageFile;
        std::string line;
    } rows[] = {
            {makeImageItem(Bytes(kFrameSize, 3)), "EANIM-QLM-1.bmp", "image EANIM-QLM-1.bmp"},
            {makeImageItem({}), " odd-1.bmp", "image ./ odd-1.bmp"},
            {makeImageItem({}), "\todd-1.bmp", "image ./\todd-1.bmp"},
            {makeFadeInItem(), "", "fade in"},
            {makeFadeOutItem(), "", "fade out"},
            {makeEndItem(), "", "end"},
            {rawItem("PA", {0x1E, 0x00}), "", "pause 30"},
            {rawItem("PA", {0xFF, 0xFF}), "", "pause 65535"},
            {rawItem("SD", {0x63, 0x00}), "", "sound 99"},
            {rawItem("PA", {}), "", "item PA"},
            {rawItem("PA", {0x01}), "", "item PA 01"},
            {rawItem("PA", {0x01, 0x02, 0x03}), "", "item PA 01 02 03"},
            {rawItem("SD", {0x05, 0x00, 0x00, 0x00, 0xAB}), "", "item SD 05 00 00 00 AB"},
            {rawItem("PA", {}, -1), "", "item PA size -1"},
            {rawItem("FI", {0x01}), "", "item FI 01"},
            {rawItem("FO", {}, -7), "", "item FO size -7"},
            {rawItem("XX", {0x00, 0x00}), "", "item XX 00 00"},
            {rawItem("XX", {}, std::numeric_limits<std::int32_t>::min()), "",
             "item XX size -2147483648"},
            {rawItem("ZZ", {}), "", "item ZZ"},
            {rawItem("fi", {}), "", "item fi"},
            {rawItem("#!", {0x23}), "", "item #! 23"},
            {rawItem("0x", {}), "", "item 0x"},
            {rawItem("\xC3\xA9", {0x07}), "", "item 0xC3A9 07"},
            {rawItem(std::string(2, '\0'), {}), "", "item 0x0000"},
            {rawItem(" G", {}), "", "item 0x2047"},
            {rawItem("\x7F"
                     "A",
                     {}),
             "", "item 0x7F41"},
            {rawItem("\r\n", {0x0A}), "", "item 0x0D0A 0A"},
    };
    for (const auto &row : rows) {
        const std::string line = manifestLine(row.item, row.imageFile);
        EXPECT_EQ(line, row.line);
        if (row.item.isImage()) {
            const Said back = readOne(line);
            EXPECT_EQ(std::filesystem::path(back.imageFile).lexically_normal(),
                      std::filesystem::path(row.imageFile).lexically_normal())
                    << line;
        } else {
            EXPECT_EQ(readOne(line), said(row.item)) << line;
        }
    }
}

TEST(ManifestWriter, WholeManifestNamesImagesAsExportDoes)
{
    const ItemList items{
            makeImageItem(Bytes(kFrameSize, 1)), makeFadeInItem(),      makePauseItem(30),
            makeImageItem(Bytes(kFrameSize, 2)), rawItem("ZZ", {}, -1), makeEndItem()};
    const auto text = writeManifest(items, "C:\\GAME\\EANIM.QLM");
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "# tessanim manifest of EANIM.QLM: one item a line, in order.\n"
                     "# Write the animation with: tessanim build EANIM-QLM.txt EANIM.QLM\n"
                     "image EANIM-QLM-1.bmp\n"
                     "fade in\n"
                     "pause 30\n"
                     "image EANIM-QLM-4.bmp\n"
                     "item ZZ size -1\n"
                     "end\n");

    const auto entries = readManifest(*text);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), items.size());
    EXPECT_EQ((*entries)[3].imageFile, exportFileName("EANIM.QLM", 3));
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].isImage()) {
            EXPECT_EQ(said((*entries)[i]), said(items[i])) << i;
        }
    }
}

TEST(ManifestWriter, RefusesAFileNameWithALineBreak)
{
    const ItemList items{makeImageItem(Bytes(kFrameSize, 1))};
    EXPECT_FALSE(writeManifest(items, "/tmp/two\nlines.QLM"));
    EXPECT_FALSE(writeManifest(items, "/tmp/two\rlines.QLM"));
    EXPECT_TRUE(writeManifest(items, "/tmp/two\\lines.QLM"));
}

TEST(ManifestWriter, ManifestFileNameFollowsExportNames)
{
    EXPECT_EQ(manifestFileName("C:\\GAME\\EANIM.QLM"), "EANIM-QLM.txt");
    EXPECT_EQ(manifestFileName("/games/dots.in/intro.anim.bin"), "intro-anim-bin.txt");
}

TEST(ManifestLoader, ImagesAreFoundBesideTheManifest)
{
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "sub" / "frames");
    Bytes pixels(kFrameSize, 9);
    pixels[123] = 200;
    const auto colors = paletteColorsFromData(builtInPalette(0));
    writeBytes(folder.file("sub/frames/a b.bmp"),
               AddBMPHeader(kFrameWidth, kFrameHeight, pixels, colors));
    writeText(folder.file("sub/m.txt"), "image frames/a b.bmp\npause 5\nimage ./frames/a b.bmp\n");

    const auto items =
            loadManifest(folder.file("sub/m.txt"), paletteColorsFromData(builtInPalette(0)));
    ASSERT_TRUE(items) << items.error().text;
    ASSERT_EQ(items->size(), 3u);
    EXPECT_EQ((*items)[0].Pixels, pixels);
    EXPECT_EQ(listLine((*items)[1]), "Pause: 5");
    EXPECT_EQ((*items)[2].Pixels, pixels);
}

TEST(ManifestLoader, RefusalsNameTheManifestLine)
{
    TempFolder folder;
    writeText(folder.file("text.bmp"), "not a picture at all, but long enough to be read");
    const struct
    {
        std::string manifest;
        std::string textStart;
    } rows[] = {
            {"fade in\npase 3\n", "manifest line 2: unknown keyword 'pase'"},
            {"# frames\nimage missing.bmp\n",
             "manifest line 2: image \"missing.bmp\":\r\nCould not read \""},
            {"image text.bmp\n",
             "manifest line 1: image \"text.bmp\":\r\n"
                     + RemoveBMPHeader(readBytes(folder.file("text.bmp"))).error().text},
    };
    for (const auto &row : rows) {
        writeText(folder.file("m.txt"), row.manifest);
        const auto items =
                loadManifest(folder.file("m.txt"), paletteColorsFromData(builtInPalette(0)));
        ASSERT_FALSE(items) << row.manifest;
        EXPECT_EQ(items.error().text.substr(0, row.textStart.size()), row.textStart);
    }
    const auto missing =
            loadManifest(folder.file("none.txt"), paletteColorsFromData(builtInPalette(0)));
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().text.find("none.txt"), std::string::npos);
}
