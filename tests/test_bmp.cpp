// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bmp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace tessa;

namespace {

constexpr std::size_t kWidth = 320;
constexpr std::size_t kHeight = 200;

const Notice kNotAFrameBmp = Notice::info("The file was not an 320x200 8-bit BMP.");
const Notice kTooShort = Notice::info("The file is too short to be a 320x200 8-bit BMP.");

// Every row and every column different, so swapped or mirrored rows show.
std::vector<std::uint8_t> testFrame()
{
    std::vector<std::uint8_t> frame(kWidth * kHeight);
    for (std::size_t y = 0; y < kHeight; ++y)
        for (std::size_t x = 0; x < kWidth; ++x)
            frame[y * kWidth + x] = static_cast<std::uint8_t>((x * 31 + y * 17) % 251);
    return frame;
}

PaletteColors rampColors()
{
    PaletteColors colors{};
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = colorFromRgb(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                                 static_cast<std::uint8_t>(i * 3));
    return colors;
}

std::uint32_t fieldAt(const std::vector<std::uint8_t> &file, std::size_t at, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= std::uint32_t(file[at + i]) << (8 * i);
    return value;
}

void setField(std::vector<std::uint8_t> &file, std::size_t at, std::size_t size,
              std::uint32_t value)
{
    for (std::size_t i = 0; i < size; ++i)
        file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::vector<std::uint8_t> frameFile()
{
    return AddBMPHeader(320, 200, testFrame(), rampColors());
}

} // namespace

TEST(AddBMPHeader, WritesEveryHeaderField)
{
    struct Field
    {
        std::size_t offset, size;
        std::uint32_t value;
    };
    const Field fields[] = {
            {0, 2, 19778}, {2, 4, 65078}, {6, 2, 0},  {8, 2, 0},  {10, 4, 1078}, {14, 4, 40},
            {18, 4, 320},  {22, 4, 200},  {26, 2, 1}, {28, 2, 8}, {30, 4, 0},    {34, 4, 0},
            {38, 4, 0},    {42, 4, 0},    {46, 4, 0}, {50, 4, 0},
    };
    const auto file = frameFile();
    ASSERT_EQ(file.size(), 65078u);
    for (const Field &field : fields)
        EXPECT_EQ(fieldAt(file, field.offset, field.size), field.value) << "at " << field.offset;
}

TEST(AddBMPHeader, StoresRowsBottomUp)
{
    const auto frame = testFrame();
    const auto file = frameFile();
    ASSERT_EQ(file.size(), 65078u);
    EXPECT_EQ(file[1078], frame[199 * kWidth]); // first pixel of the bottom row
    EXPECT_EQ(file.back(), frame[kWidth - 1]);  // last pixel of the top row
}

TEST(AddBMPHeader, WritesColorTableAsBlueGreenRedZero)
{
    PaletteColors colors = rampColors();
    colors[37] = colorFromRgb(252, 128, 4);
    const auto file = AddBMPHeader(320, 200, testFrame(), colors);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 54 + 4 * 37, file.begin() + 58 + 4 * 37),
              (std::vector<std::uint8_t>{4, 128, 252, 0}));

    // The table has the layout of palette data itself.
    const PaletteData &data = builtInPalette(1);
    const auto fromPalette = AddBMPHeader(320, 200, testFrame(), paletteColorsFromData(data));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), fromPalette.begin() + 54));
}

TEST(AddBMPHeader, PalettesChangeOnlyTheColorTable)
{
    const auto main = AddBMPHeader(320, 200, testFrame(), paletteColorsFromData(builtInPalette(0)));
    const auto extra =
            AddBMPHeader(320, 200, testFrame(), paletteColorsFromData(builtInPalette(1)));
    ASSERT_EQ(main.size(), extra.size());
    EXPECT_TRUE(std::equal(main.begin(), main.begin() + 54, extra.begin()));
    EXPECT_FALSE(std::equal(main.begin() + 54, main.begin() + 1078, extra.begin() + 54));
    EXPECT_TRUE(std::equal(main.begin() + 1078, main.end(), extra.begin() + 1078));
}

TEST(AddBMPHeader, FollowsTheGivenSizeAndWritesMissingPixelsAsZero)
{
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 4, 5}; // 4 x 2 needs 8
    const auto file = AddBMPHeader(4, 2, pixels, rampColors());
    ASSERT_EQ(file.size(), 1086u);
    EXPECT_EQ(fieldAt(file, 2, 4), 1086u);
    EXPECT_EQ(fieldAt(file, 18, 4), 4u);
    EXPECT_EQ(fieldAt(file, 22, 4), 2u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 1078, file.end()),
              (std::vector<std::uint8_t>{5, 0, 0, 0, 1, 2, 3, 4}));
}

TEST(RemoveBMPHeader, ReadsBackWhatAddBMPHeaderWrote)
{
    const auto pixels = RemoveBMPHeader(frameFile());
    ASSERT_TRUE(pixels) << pixels.error().text;
    EXPECT_EQ(*pixels, testFrame());
}

TEST(RemoveBMPHeader, AcceptsWhateverTheUnusedFieldsHold)
{
    struct Case
    {
        const char *name;
        std::size_t offset, size;
        std::uint32_t value;
    };
    const Case cases[] = {
            {"signature", 0, 2, 0x5858},
            {"file size", 2, 4, 12},
            {"planes", 26, 2, 3},
            {"image size", 34, 4, 99},
            {"important colours", 50, 4, 7},
            {"colour table", 54, 4, 0xFFFFFFFF},
    };
    for (const Case &c : cases) {
        auto file = frameFile();
        setField(file, c.offset, c.size, c.value);
        const auto pixels = RemoveBMPHeader(file);
        ASSERT_TRUE(pixels) << c.name;
        EXPECT_EQ(*pixels, testFrame()) << c.name;
    }
}

TEST(RemoveBMPHeader, RefusesEveryOtherFile)
{
    struct Case
    {
        const char *name;
        std::int32_t width, height;
        std::uint16_t bitsPerPixel;
        std::size_t size;
        Notice notice;
    };
    const Case cases[] = {
            {"top-down", 320, -200, 8, 65078, kNotAFrameBmp},
            {"24-bit", 320, 200, 24, 192054, kNotAFrameBmp},
            {"4-bit", 320, 200, 4, 32118, kNotAFrameBmp},
            {"640 x 400", 640, 400, 8, 257078, kNotAFrameBmp},
            {"200 x 320", 200, 320, 8, 65078, kNotAFrameBmp},
            {"empty", 320, 200, 8, 0, kTooShort},
            {"29 bytes", 320, 200, 8, 29, kTooShort},
            {"header only", 320, 200, 8, 1078, kTooShort},
            {"one pixel short", 320, 200, 8, 65077, kTooShort},
            {"16-colour table", 320, 200, 8, 1077, kTooShort},
    };
    for (const Case &c : cases) {
        auto file = frameFile();
        setField(file, 18, 4, static_cast<std::uint32_t>(c.width));
        setField(file, 22, 4, static_cast<std::uint32_t>(c.height));
        setField(file, 28, 2, c.bitsPerPixel);
        file.resize(c.size);
        file.shrink_to_fit();
        const auto pixels = RemoveBMPHeader(file);
        ASSERT_FALSE(pixels) << c.name;
        EXPECT_EQ(pixels.error(), c.notice) << c.name;
    }
}
