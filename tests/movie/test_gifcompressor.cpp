// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The GIF compressor against giflib's own encoder: the same bytes for every kind of picture,
// from runs that never clear the table to noise that clears it again and again.
#include "movie/gifcompressor.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

using namespace tessa;
using Bytes = std::vector<std::uint8_t>;

namespace {

int appendToVector(GifFileType *gif, const GifByteType *data, int length)
{
    auto *bytes = static_cast<Bytes *>(gif->UserData);
    bytes->insert(bytes->end(), data, data + length);
    return length;
}

// What giflib writes for the pixels, cut down to the data sub-blocks.
Bytes giflibBlocks(const Bytes &pixels, int width, int rows, int stride, int codeSize)
{
    Bytes bytes;
    int error = 0;
    auto closer = [](GifFileType *gif) { EGifCloseFile(gif, nullptr); };
    std::unique_ptr<GifFileType, decltype(closer)> gif(EGifOpen(&bytes, appendToVector, &error),
                                                       closer);
    GifColorType table[256]{};
    ColorMapObject *map = GifMakeMapObject(1 << codeSize, table);
    EXPECT_EQ(EGifPutScreenDesc(gif.get(), width, rows, 8, 0, nullptr), GIF_OK);
    EXPECT_EQ(EGifPutImageDesc(gif.get(), 0, 0, width, rows, false, map), GIF_OK);
    GifFreeMapObject(map);
    const std::size_t start = bytes.size();
    for (int y = 0; y < rows; ++y)
        EXPECT_EQ(EGifPutLine(gif.get(), const_cast<GifPixelType *>(pixels.data()) + y * stride,
                              width),
                  GIF_OK);
    return Bytes(bytes.begin() + std::ptrdiff_t(start), bytes.end() - 1);
}

} // namespace

TEST(GifCompressor, MakesGiflibsBytesForEveryKindOfPicture)
{
    std::mt19937 random(7);
    const auto make = [&](int width, int rows, int stride, auto pixelAt) {
        Bytes pixels(std::size_t(stride) * std::size_t(rows - 1) + std::size_t(width) + 5, 99);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < width; ++x)
                pixels[std::size_t(y * stride + x)] = std::uint8_t(pixelAt(x, y));
        return pixels;
    };
    const struct
    {
        std::string name;
        int width, rows, stride;
        Bytes pixels;
        int codeSize = 8;
    } rows[] = {
            {"one pixel", 1, 1, 1, make(1, 1, 1, [](int, int) { return 7; })},
            {"one colour", 320, 200, 320, make(320, 200, 320, [](int, int) { return 0; })},
            {"noise, many clears", 320, 200, 320,
             make(320, 200, 320, [&](int, int) { return random() & 255; })},
            {"few colours of noise", 320, 200, 320,
             make(320, 200, 320, [&](int, int) { return random() & 3; })},
            {"gradient", 640, 400, 640, make(640, 400, 640, [](int x, int y) { return x + y; })},
            {"rectangle of a wider picture", 37, 23, 320,
             make(37, 23, 320, [&](int x, int) { return x % 5 ? 9 : random() & 255; })},
            {"a 255-byte block boundary", 1, 204, 1,
             make(1, 204, 1, [&](int, int y) { return y; })},
            // Smaller colour tables: shorter codes, other clear and end codes.
            {"2-bit noise, many clears", 320, 200, 320,
             make(320, 200, 320, [&](int, int) { return random() & 3; }), 2},
            {"5-bit gradient", 300, 100, 300,
             make(300, 100, 300, [](int x, int y) { return (x / 3 + y) & 31; }), 5},
            {"7-bit rectangle of a wider picture", 50, 40, 320,
             make(50, 40, 320, [&](int x, int) { return x % 3 ? 100 : random() & 127; }), 7},
    };
    for (const auto &row : rows) {
        const auto ours =
                compressGifPixels(row.pixels, row.width, row.rows, row.stride, row.codeSize);
        ASSERT_TRUE(ours) << row.name;
        EXPECT_EQ(ours->blocks,
                  giflibBlocks(row.pixels, row.width, row.rows, row.stride, row.codeSize))
                << row.name;
    }
    // Out of bounds is refused.
    EXPECT_FALSE(compressGifPixels(Bytes(10), 4, 3, 4));
    EXPECT_FALSE(compressGifPixels(Bytes(10), 4, 2, 3));
    // So is a pixel that does not fit the code size, or a code size giflib never uses.
    EXPECT_FALSE(compressGifPixels(Bytes{0, 1, 4, 2}, 4, 1, 4, 2));
    EXPECT_FALSE(compressGifPixels(Bytes(4), 4, 1, 4, 1));
    EXPECT_FALSE(compressGifPixels(Bytes(4), 4, 1, 4, 9));
}

// Where a pixel may take either of two values, each pixel must come out as one of its two and
// the bytes must be giflib's for the values chosen, across row ends of a wider picture and
// table clears; over a few colours, choosing must also do better than leaving every such pixel
// transparent.
TEST(GifCompressor, ChoosesBetweenTwoValuesAndStillMakesGiflibsBytes)
{
    std::mt19937 random(11);
    const int width = 150, rows = 120, stride = 160;
    const struct
    {
        std::string name;
        int codeSize;
        int transparent;
        int colours;
        int keptPercent; // pixels that may be transparent or their own colour
        bool smaller;    // than with every such pixel transparent
    } cases[] = {
            {"sprites over a few colours", 5, 31, 12, 95, true},
            {"half kept over noise, many clears", 8, 255, 255, 50, false},
    };
    for (const auto &row : cases) {
        Bytes own(std::size_t(stride) * rows);
        for (std::size_t i = 0; i < own.size(); ++i)
            own[i] = std::uint8_t(i % 4 ? own[i - 1] : random() % std::uint32_t(row.colours));
        // The kept pixels in runs, as around sprites.
        Bytes pixels = own;
        for (std::size_t i = 0; i < pixels.size(); i += 8)
            if (int(random() % 100) < row.keptPercent)
                std::fill_n(pixels.begin() + std::ptrdiff_t(i), 8, std::uint8_t(row.transparent));
        const Bytes offered = pixels;
        const auto chosen =
                compressGifPixelsChoosing(pixels, own, width, rows, stride, row.codeSize);
        ASSERT_TRUE(chosen) << row.name;
        for (std::size_t i = 0; i < pixels.size(); ++i)
            ASSERT_TRUE(pixels[i] == offered[i] || pixels[i] == own[i]) << row.name << " " << i;
        EXPECT_EQ(chosen->blocks, giflibBlocks(pixels, width, rows, stride, row.codeSize))
                << row.name;
        const auto transparent = compressGifPixels(offered, width, rows, stride, row.codeSize);
        ASSERT_TRUE(transparent);
        if (row.smaller) {
            EXPECT_LT(chosen->blocks.size(), transparent->blocks.size()) << row.name;
        }
    }
}
