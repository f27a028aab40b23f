// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/paletteloader.h"

#include "tempfolder.h"
#include "testpalettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

using namespace tessa;
using namespace tessa::test;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Notice kUnknownFormat = Notice::plain("Unknown palette file format!");
const Notice kNotRiff = Notice::error(9003, "Unknown file format", "LoadPaletteDataFromFile");

// Components that are not multiples of 4, so that the cut to 6 bits shows.
Rgb testColor(std::size_t i)
{
    return {int(i), int((i * 7 + 3) % 256), int(255 - i)};
}

PaletteData expectedData()
{
    PaletteData data{};
    for (std::size_t i = 0; i < 256; ++i) {
        const auto [red, green, blue] = testColor(i);
        data[4 * i] = static_cast<std::uint8_t>(blue & ~3);
        data[4 * i + 1] = static_cast<std::uint8_t>(green & ~3);
        data[4 * i + 2] = static_cast<std::uint8_t>(red & ~3);
    }
    return data;
}

// `stride`-byte entries red, green, blue (then `fill`) between `before` and `after` bytes of fill.
Bytes colorTable(std::size_t before, std::size_t stride, std::size_t after, std::uint8_t fill)
{
    Bytes bytes(before, fill);
    for (std::size_t i = 0; i < 256; ++i) {
        const auto [red, green, blue] = testColor(i);
        bytes.insert(bytes.end(), {std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)});
        bytes.insert(bytes.end(), stride - 3, fill);
    }
    bytes.insert(bytes.end(), after, fill);
    return bytes;
}

Bytes riff(std::size_t size)
{
    Bytes bytes = colorTable(24, 4, 4, 0xFF);
    std::copy_n("RIFF", 4, bytes.begin());
    bytes.resize(size, 0xFF);
    return bytes;
}

Bytes bytesOf(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

std::vector<std::string> colorLines()
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < 256; ++i) {
        const auto [red, green, blue] = testColor(i);
        lines.push_back(std::to_string(red) + " " + std::to_string(green) + " "
                        + std::to_string(blue));
    }
    return lines;
}

std::string jasc(const std::vector<std::string> &lines, const std::string &end = "\r\n",
                 const std::string &firstLine = "JASC-PAL")
{
    std::string text = firstLine + end + "0100" + end + "256" + end;
    for (const std::string &line : lines)
        text += line + end;
    return text;
}

} // namespace

TEST(PaletteLoader, ReadsEachFormat)
{
    struct Case
    {
        const char *name;
        Bytes bytes;
    };
    const Case cases[] = {
            {"raw colour table", colorTable(0, 3, 0, 0)},
            {"RIFF", riff(1052)},
            {"JASC CR LF", bytesOf(jasc(colorLines(), "\r\n"))},
            {"JASC CR", bytesOf(jasc(colorLines(), "\r"))},
            {"JASC LF", bytesOf(jasc(colorLines(), "\n"))},
    };
    for (const Case &c : cases) {
        const auto data = readPaletteData(c.bytes);
        ASSERT_TRUE(data) << c.name << ": " << data.error().text;
        EXPECT_EQ(*data, expectedData()) << c.name;
    }
}

TEST(PaletteLoader, ScalesGamePalSixBitColors)
{
    Bytes bytes(893, 0xEE); // the header and trailer are not read
    const std::uint8_t colors[][3] = {{63, 64, 65}, {0, 1, 127}, {255, 32, 192}};
    for (std::size_t i = 0; i < 256; ++i)
        std::copy_n(colors[i % 3], 3, bytes.begin() + 119 + 3 * i);
    const Rgb expected[] = {{252, 0, 4}, {0, 4, 252}, {252, 128, 0}};

    const auto data = readPaletteData(bytes);
    ASSERT_TRUE(data) << data.error().text;
    for (std::size_t i = 0; i < 256; ++i) {
        ASSERT_EQ(paletteEntry(*data, i), expected[i % 3]) << "entry " << i;
        ASSERT_EQ((*data)[4 * i + 3], 0) << "entry " << i;
    }
}

TEST(PaletteLoader, DecidesByLengthBeforeContent)
{
    // Text that starts like a JASC or RIFF file is still a raw table at 768 bytes, GAMEPAL at 893.
    for (const std::string tag : {"JASC-PAL\r\n0100\r\n256\r\n", "RIFF"}) {
        std::string raw = tag + std::string(768 - tag.size(), 'w');
        const auto data = readPaletteData(bytesOf(raw));
        ASSERT_TRUE(data) << tag;
        EXPECT_EQ(paletteEntry(*data, 0), Rgb(raw[0] & ~3, raw[1] & ~3, raw[2] & ~3)) << tag;

        std::string gamePal = tag + std::string(893 - tag.size(), 'w'); // 'w' is 119
        const auto scaled = readPaletteData(bytesOf(gamePal));
        ASSERT_TRUE(scaled) << tag;
        EXPECT_EQ(paletteEntry(*scaled, 0), Rgb(220, 220, 220)) << tag; // (119 mod 64) * 4
    }
}

TEST(PaletteLoader, RefusesUnknownFiles)
{
    Bytes rawWithTrailer = colorTable(0, 3, 4, 0);
    struct Case
    {
        const char *name;
        Bytes bytes;
        Notice notice;
    };
    const Case cases[] = {
            {"772-byte colour table", rawWithTrailer, kUnknownFormat},
            {"empty", {}, kUnknownFormat},
            {"JAS", bytesOf("JAS"), kUnknownFormat},
            {"jasc in lower case", bytesOf(jasc(colorLines(), "\r\n", "jasc-pal")), kUnknownFormat},
            {"RIF", bytesOf("RIF"), kUnknownFormat},
            {"RIFF of 1048 bytes", riff(1048), kNotRiff},
            {"RIFF of 1056 bytes", riff(1056), kNotRiff},
    };
    for (const Case &c : cases) {
        const auto data = readPaletteData(c.bytes);
        ASSERT_FALSE(data) << c.name;
        EXPECT_EQ(data.error(), c.notice) << c.name;
    }
}

TEST(PaletteLoader, ConvertsJascNumbers)
{
    struct Case
    {
        std::string line;
        Rgb color;
    };
    const Case cases[] = {
            {"255 130 7", {252, 128, 4}},
            {"256 300 -1", {0, 44, 252}},
            {"3.5 3.4 -4.5", {4, 0, 252}}, // rounded, not cut; a half goes to the even neighbour
            {"+8 1e2 2147483647", {8, 100, 252}},
            {"-2147483648 0.0 12\t", {0, 0, 12}},
            {"4 8 12 fields after the third are ignored", {4, 8, 12}},
            {"4 8 12 ", {4, 8, 12}},
            {"4 8 0." + std::string(330, '0') + "5", {4, 8, 0}}, // tiny, not out of range
    };
    for (const Case &c : cases) {
        std::vector<std::string> lines = colorLines();
        lines[100] = c.line;
        const auto data = readPaletteData(bytesOf(jasc(lines)));
        ASSERT_TRUE(data) << c.line << ": " << data.error().text;
        EXPECT_EQ(paletteEntry(*data, 100), c.color) << c.line;
    }
}

TEST(PaletteLoader, ReadsOnlyTheFirstFourBytesAndThe256LinesAfterTheHeader)
{
    std::vector<std::string> lines = colorLines();
    lines.push_back("not a colour");
    lines.push_back("");
    const auto data = readPaletteData(bytesOf(jasc(lines, "\r\n", "JASCxyz")));
    ASSERT_TRUE(data) << data.error().text;
    EXPECT_EQ(*data, expectedData());

    // The last line needs no line end.
    std::string text = jasc(colorLines(), "\n", "JASC anything");
    text.pop_back();
    EXPECT_TRUE(readPaletteData(bytesOf(text)));
}

TEST(PaletteLoader, RefusesJascFilesNamingTheLine)
{
    const std::string notAColor = " of the palette file is not a colour: ";
    const std::string needsThree =
            "it needs three numbers, red, green and blue, separated by single spaces.";
    struct Case
    {
        std::size_t colorLine; // replaced by `line`; with `cut`, the number of colour lines kept
        std::string line;
        bool cut;
        std::string text;
    };
    const Case cases[] = {
            {3, "1 2", false, "Line 7" + notAColor + needsThree},
            {6, "1  2 3", false, "Line 10" + notAColor + needsThree},
            {0, "", false, "Line 4" + notAColor + needsThree},
            {255, "1 x 3", false,
             "Line 259" + notAColor + "its green value \"x\" is not a number."},
            {5, "1,2,3", false, "Line 9" + notAColor + "its red value \"1,2,3\" is not a number."},
            {5, "1 2 3e12", false,
             "Line 9" + notAColor + "its blue value \"3e12\" is out of range."},
            {5, "123456789012345678901234567890 1 2", false,
             "Line 9" + notAColor + "its red value \"12345678901234567890...\" is out of range."},
            {5, "1 2 1" + std::string(400, '0') + "e-10", false,
             "Line 9" + notAColor + "its blue value \"10000000000000000000...\" is out of range."},
            {12, "", true, "The palette file ends at line 15 with only 12 colours; it needs 256."},
            {1, "", true, "The palette file ends at line 4 with only 1 colour; it needs 256."},
            {255, "", true,
             "The palette file ends at line 258 with only 255 colours; it needs 256."},
            {0, "", true,
             "The palette file has no colour lines after its three header lines; it needs 256."},
    };
    for (const char *end : {"\r\n", "\r", "\n"}) {
        for (const Case &c : cases) {
            std::vector<std::string> lines = colorLines();
            if (c.cut)
                lines.resize(c.colorLine);
            else
                lines[c.colorLine] = c.line;
            const auto data = readPaletteData(bytesOf(jasc(lines, end)));
            ASSERT_FALSE(data) << c.text;
            EXPECT_EQ(data.error(), Notice::info(c.text));
        }
    }
}

TEST(LoadPaletteDataFromFile, ReadsTheFile)
{
    test::TempFolder folder;
    const std::string path = folder.file("sea.pal");
    test::writeBytes(path, riff(1052));
    const auto data = LoadPaletteDataFromFile(path);
    ASSERT_TRUE(data) << data.error().text;
    EXPECT_EQ(*data, expectedData());
}

TEST(LoadPaletteDataFromFile, TellsWhyAFileCannotBeRead)
{
    test::TempFolder folder;
    const std::string path = folder.file("missing.pal");
    const auto data = LoadPaletteDataFromFile(path);
    ASSERT_FALSE(data);
    EXPECT_EQ(data.error().icon, Notice::Icon::Information);
    EXPECT_EQ(data.error().title, kProgramTitle);
    EXPECT_EQ(data.error().text.rfind("Could not read \"" + path + "\": ", 0), 0u)
            << data.error().text;
}
