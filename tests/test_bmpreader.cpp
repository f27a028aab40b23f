// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The BMP reader on the files other programs write: other header sizes, short colour tables,
// RLE8 compression, and damaged compressed pixels.
#include "document/animitem.h"
#include "imaging/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace tessa;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Notice kNotA320x200Bmp = Notice::info("The file was not an 320x200 8-bit BMP.");

// Few colours in long runs and a noisy band, so that RLE8 needs both of its run kinds.
Bytes runsAndNoiseFrame()
{
    Bytes frame(kFrameSize);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            frame[std::size_t(y * kFrameWidth + x)] = static_cast<std::uint8_t>(
                    y >= 90 && y < 110 ? (x * 7 + y * 13) % 251 : (x / 40 + y / 25) % 16);
    return frame;
}

void put(Bytes &bytes, std::size_t at, std::size_t size, std::uint32_t value)
{
    for (std::size_t i = 0; i < size; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// One bottom-up row as RLE8: runs of equal pixels, literal stretches between them.
void encodeRow(const std::uint8_t *row, Bytes &out)
{
    int x = 0;
    while (x < kFrameWidth) {
        int run = 1;
        while (x + run < kFrameWidth && run < 255 && row[x + run] == row[x])
            ++run;
        if (run >= 3) {
            out.insert(out.end(), {std::uint8_t(run), row[x]});
            x += run;
            continue;
        }
        int literal = 0;
        while (x + literal < kFrameWidth && literal < 255
               && !(x + literal + 2 < kFrameWidth && row[x + literal] == row[x + literal + 1]
                    && row[x + literal] == row[x + literal + 2]))
            ++literal;
        if (literal < 3) {
            out.insert(out.end(), {std::uint8_t(literal), row[x]});
            if (literal == 2)
                out.insert(out.end(), {1, row[x + 1]});
            x += literal;
            continue;
        }
        out.insert(out.end(), {0, std::uint8_t(literal)});
        out.insert(out.end(), row + x, row + x + literal);
        if (literal & 1)
            out.push_back(0);
        x += literal;
    }
    out.insert(out.end(), {0, 0});
}

Bytes rle8(const Bytes &frame)
{
    Bytes out;
    for (int y = kFrameHeight - 1; y >= 0; --y)
        encodeRow(frame.data() + y * kFrameWidth, out);
    out.back() = 1; // the last end of row becomes the end of the picture
    return out;
}

struct Layout
{
    std::uint32_t headerSize = 40;
    std::uint32_t colorsUsed = 0; // 0: 256
    bool compressed = false;
};

std::uint32_t colorOf(int i)
{
    return colorFromRgb(std::uint8_t(i * 4), std::uint8_t(252 - i), std::uint8_t(i * 3 % 256));
}

// A 320 x 200 8-bit file of `layout`, the pixel-offset field pointing past the colour table.
Bytes makeFile(const Layout &layout, const Bytes &frame)
{
    const bool core = layout.headerSize == 12;
    const std::size_t entries = layout.colorsUsed == 0 ? 256 : layout.colorsUsed;
    const std::size_t entrySize = core ? 3 : 4;
    const std::size_t pixelOffset = 14 + layout.headerSize + entries * entrySize;
    Bytes pixels;
    if (layout.compressed) {
        pixels = rle8(frame);
    } else {
        for (int y = kFrameHeight - 1; y >= 0; --y)
            pixels.insert(pixels.end(), frame.begin() + y * kFrameWidth,
                          frame.begin() + (y + 1) * kFrameWidth);
    }
    Bytes file(pixelOffset, 0);
    file.insert(file.end(), pixels.begin(), pixels.end());
    put(file, 0, 2, 19778);
    put(file, 2, 4, std::uint32_t(file.size()));
    put(file, 10, 4, std::uint32_t(pixelOffset));
    put(file, 14, 4, layout.headerSize);
    if (core) {
        put(file, 18, 2, 320);
        put(file, 20, 2, 200);
        put(file, 22, 2, 1);
        put(file, 24, 2, 8);
    } else {
        put(file, 18, 4, 320);
        put(file, 22, 4, 200);
        put(file, 26, 2, 1);
        put(file, 28, 2, 8);
        put(file, 30, 4, layout.compressed ? 1 : 0);
        put(file, 46, 4, layout.colorsUsed);
    }
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint32_t color = colorOf(int(i));
        const std::size_t at = 14 + layout.headerSize + i * entrySize;
        file[at] = blueOf(color);
        file[at + 1] = greenOf(color);
        file[at + 2] = redOf(color);
    }
    return file;
}

} // namespace

TEST(ReadFrameBmp, ReadsEveryHeaderSizeTableLengthAndCompression)
{
    struct Case
    {
        const char *name;
        Layout layout;
    };
    const Case cases[] = {
            {"OS/2 core header", {12, 0, false}},
            {"info header", {40, 0, false}},
            {"info header, 251 colours", {40, 251, false}},
            {"colour masks", {52, 0, false}},
            {"colour and alpha masks", {56, 0, false}},
            {"OS/2 2.x header", {64, 0, false}},
            {"version 4 header", {108, 0, false}},
            {"version 5 header, 252 colours", {124, 252, false}},
            {"RLE8", {40, 0, true}},
            {"RLE8, 251 colours", {40, 251, true}},
            {"RLE8, version 5 header", {124, 0, true}},
    };
    const Bytes frame = runsAndNoiseFrame();
    for (const Case &c : cases) {
        const auto read = readFrameBmp(makeFile(c.layout, frame));
        ASSERT_TRUE(read) << c.name << ": " << read.error().text;
        EXPECT_EQ(read->pixels, frame) << c.name;
        const int count = c.layout.colorsUsed == 0 ? 256 : int(c.layout.colorsUsed);
        EXPECT_EQ(read->colorCount, count) << c.name;
        EXPECT_EQ(read->colors[count - 1], colorOf(count - 1)) << c.name;
        if (count < 256) {
            EXPECT_EQ(read->colors[std::size_t(count)], 0u) << c.name;
        }
    }
}

TEST(ReadFrameBmp, ReadsWhatAddBMPHeaderWroteWithItsColors)
{
    const PaletteColors colors = paletteColorsFromData(builtInPalette(1));
    const auto read = readFrameBmp(AddBMPHeader(320, 200, runsAndNoiseFrame(), colors));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->pixels, runsAndNoiseFrame());
    EXPECT_EQ(read->colorCount, 256);
    EXPECT_EQ(read->colors, colors);
}

TEST(ReadFrameBmp, RefusesDamagedCompressedPixels)
{
    const Bytes frame = runsAndNoiseFrame();
    const Bytes good = makeFile({40, 0, true}, frame);
    const std::size_t start = 14 + 40 + 1024;
    struct Case
    {
        const char *name;
        Bytes stream; // replaces the pixels
        std::string reason;
    };
    const std::string endsEarly = "the compressed pixels end before the picture does";
    const std::string pastRow = "a run of compressed pixels goes past the end of its row";
    const std::string pastFrame = "a run of compressed pixels goes past the end of the picture";
    const std::string skipPast = "a skip in the compressed pixels goes past the picture";
    Bytes fullRows;
    for (int y = 0; y < kFrameHeight; ++y)
        fullRows.insert(fullRows.end(), {255, 1, 65, 1, 0, 0});
    Bytes oneMore = fullRows;
    oneMore.insert(oneMore.end(), {1, 1});
    const Case cases[] = {
            {"empty", {}, endsEarly},
            {"one byte", {5}, endsEarly},
            {"run past the row", {255, 1, 66, 1}, pastRow},
            {"literal past the row", {255, 1, 63, 1, 0, 3, 1, 2, 3, 0}, pastRow},
            {"literal cut short", {0, 5, 1, 2}, endsEarly},
            {"delta cut short", {0, 2, 4}, endsEarly},
            {"delta past the row", {0, 2, 200, 0, 0, 2, 121, 0}, skipPast},
            {"delta past the top", {0, 2, 0, 201}, skipPast},
            {"run after the last row", oneMore, pastFrame},
            {"no end after 10 rows", Bytes(fullRows.begin(), fullRows.begin() + 60), endsEarly},
    };
    for (const Case &c : cases) {
        Bytes file(good.begin(), good.begin() + std::ptrdiff_t(start));
        file.insert(file.end(), c.stream.begin(), c.stream.end());
        const auto read = readFrameBmp(file);
        ASSERT_FALSE(read) << c.name;
        EXPECT_EQ(read.error(), Notice::info("The BMP file is damaged: " + c.reason + "."))
                << c.name;
    }
}

TEST(ReadFrameBmp, LeavesSkippedPixelsAtZero)
{
    const Bytes stream = {3, 9, 0, 2, 2, 1, 2, 7, 0, 1};
    Bytes file = makeFile({40, 0, true}, runsAndNoiseFrame());
    file.resize(14 + 40 + 1024);
    file.insert(file.end(), stream.begin(), stream.end());
    const auto read = readFrameBmp(file);
    ASSERT_TRUE(read) << read.error().text;
    Bytes expected(kFrameSize, 0);
    for (int x = 0; x < 3; ++x)
        expected[199 * 320 + x] = 9; // bottom row
    expected[198 * 320 + 5] = expected[198 * 320 + 6] = 7;
    EXPECT_EQ(read->pixels, expected);
    // Rows filled exactly without the end marker are complete.
    Bytes rows(file.begin(), file.begin() + 14 + 40 + 1024);
    for (int y = 0; y < kFrameHeight; ++y)
        rows.insert(rows.end(), {160, 4, 160, 5, 0, 0});
    EXPECT_TRUE(readFrameBmp(rows));
}

TEST(ReadFrameBmp, RefusesOtherFilesAsNotAFrame)
{
    struct Case
    {
        const char *name;
        std::size_t offset, size;
        std::uint32_t value;
    };
    const Case cases[] = {
            {"header size 20", 14, 4, 20},   {"compression 2 (RLE4)", 30, 4, 2},
            {"bit fields", 30, 4, 3},        {"257 colours", 46, 4, 257},
            {"top-down", 22, 4, 0xFFFFFF38}, {"OS/2 core header of 40 fields", 14, 4, 12},
    };
    for (const Case &c : cases) {
        Bytes file = makeFile({}, runsAndNoiseFrame());
        put(file, c.offset, c.size, c.value);
        const auto read = readFrameBmp(file);
        ASSERT_FALSE(read) << c.name;
        EXPECT_EQ(read.error(), kNotA320x200Bmp) << c.name;
    }
}

TEST(ColorsDifferFromPalette, ComparesTheUsedIndicesAtSixBits)
{
    BmpFrame frame;
    frame.pixels.assign(kFrameSize, 3);
    frame.pixels[10] = 200;
    frame.colorCount = 16;
    PaletteColors palette{};
    for (std::size_t i = 0; i < 256; ++i)
        palette[i] = colorOf(int(i));
    for (int i = 0; i < 16; ++i)
        frame.colors[std::size_t(i)] = palette[std::size_t(i)] | 0x030303; // low bits only
    frame.colors[5] = 0xFFFFFF;                                            // unused
    EXPECT_FALSE(colorsDifferFromPalette(frame, palette));
    frame.colors[3] ^= 0x000400;
    EXPECT_TRUE(colorsDifferFromPalette(frame, palette));
}
