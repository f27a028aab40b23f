// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/palette.h"

#include "tempfolder.h"
#include "testpalettes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>

using namespace tessa;
using namespace tessa::test;

TEST(BuiltInPalette, HoldsOnlySixBitColorsWithZeroReservedBytes)
{
    for (int index = 0; index < kBuiltInPaletteCount; ++index) {
        const PaletteData &data = builtInPalette(index);
        for (std::size_t i = 0; i < data.size(); ++i) {
            if (i % 4 == 3)
                EXPECT_EQ(data[i], 0) << "palette " << index << " byte " << i;
            else
                EXPECT_EQ(data[i] % 4, 0) << "palette " << index << " byte " << i;
        }
    }
}

TEST(BuiltInPalette, BothStartWithTheSameGreyRamp)
{
    const int greys[12] = {0, 4, 12, 20, 28, 36, 44, 52, 60, 68, 76, 84};
    for (int index = 0; index < kBuiltInPaletteCount; ++index)
        for (std::size_t i = 0; i < 12; ++i)
            EXPECT_EQ(paletteEntry(builtInPalette(index), i), Rgb(greys[i], greys[i], greys[i]))
                    << "palette " << index << " entry " << i;
}

TEST(BuiltInPalette, DifferInEveryEntryFrom12On)
{
    for (std::size_t i = 12; i < 256; ++i)
        EXPECT_NE(paletteEntry(builtInPalette(0), i), paletteEntry(builtInPalette(1), i))
                << "entry " << i;
}

TEST(BuiltInPalette, IsTheCommittedPaletteFile)
{
    const std::string folder = std::string(TESSA_SOURCE_DIR) + "/resources/palettes/";
    const char *files[kBuiltInPaletteCount] = {"main.pal", "extra.pal"};
    for (int index = 0; index < kBuiltInPaletteCount; ++index) {
        const auto bytes = test::readBytes(folder + files[index]);
        ASSERT_EQ(bytes.size(), 1024u) << files[index];
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), builtInPalette(index).begin()))
                << files[index];
    }
}

TEST(BuiltInPalette, HasOnlyTwoEntries)
{
    EXPECT_THROW(builtInPalette(2), std::out_of_range);
    EXPECT_THROW(builtInPalette(-1), std::out_of_range);
}

TEST(PaletteColors, PutRedLowestAndBlueHighest)
{
    struct Case
    {
        std::size_t entry;
        std::uint8_t blue, green, red;
        std::uint32_t color;
    };
    const Case cases[] = {
            {0, 0, 0, 0, 0},
            {1, 0, 0, 252, 0x0000FC},
            {2, 0, 252, 0, 0x00FC00},
            {3, 252, 0, 0, 0xFC0000},
            {200, 4, 128, 252, 252 + 128 * 256 + 4 * 65536},
            {255, 252, 248, 244, 0xFCF8F4},
    };
    PaletteData data{};
    for (const Case &c : cases) {
        data[4 * c.entry] = c.blue;
        data[4 * c.entry + 1] = c.green;
        data[4 * c.entry + 2] = c.red;
    }
    const PaletteColors colors = paletteColorsFromData(data);
    for (const Case &c : cases) {
        EXPECT_EQ(colors[c.entry], c.color) << "entry " << c.entry;
        EXPECT_EQ(colors[c.entry], colorFromRgb(c.red, c.green, c.blue)) << "entry " << c.entry;
    }
}
