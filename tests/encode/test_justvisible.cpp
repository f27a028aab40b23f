// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encode/justvisible.h"
#include "imaging/palette.h"

#include <gtest/gtest.h>

using namespace tessa;

TEST(JustVisible, LabOfKnownColours)
{
    // CIE L*a*b* (D65) of sRGB colours, as colour science tables give them.
    struct Row
    {
        std::uint8_t r, g, b;
        float l, a, bb;
    };
    const Row rows[] = {
            {255, 255, 255, 100.0f, 0.0f, 0.0f},   {0, 0, 0, 0.0f, 0.0f, 0.0f},
            {255, 0, 0, 53.24f, 80.09f, 67.20f},   {0, 255, 0, 87.73f, -86.18f, 83.18f},
            {0, 0, 255, 32.30f, 79.19f, -107.86f}, {128, 128, 128, 53.59f, 0.0f, 0.0f},
            {3, 2, 1, 0.59f, 0.18f, 0.51f},
    };
    for (const Row &row : rows) {
        std::vector<float> lab;
        const std::uint32_t colour[] = {colorFromRgb(row.r, row.g, row.b)};
        labOf(colour, lab);
        EXPECT_NEAR(lab[0], row.l, 0.05) << int(row.r) << ", " << int(row.g) << ", " << int(row.b);
        EXPECT_NEAR(lab[1], row.a, 0.1) << int(row.r) << ", " << int(row.g) << ", " << int(row.b);
        EXPECT_NEAR(lab[2], row.bb, 0.1) << int(row.r) << ", " << int(row.g) << ", " << int(row.b);
    }
}

TEST(JustVisible, ASmallStepLooksTheSameAndALargerOneDoesNot)
{
    // Table: two colours and whether they look the same (less than 2.3 apart in L*a*b*).
    struct Row
    {
        std::uint32_t a, b;
        bool same;
    };
    const Row rows[] = {
            {colorFromRgb(200, 200, 200), colorFromRgb(203, 203, 203), true},
            {colorFromRgb(200, 200, 200), colorFromRgb(208, 208, 208), false},
            {colorFromRgb(40, 40, 40), colorFromRgb(46, 46, 46), false},
            {colorFromRgb(40, 40, 40), colorFromRgb(43, 43, 43), true},
            {colorFromRgb(120, 60, 30), colorFromRgb(120, 60, 30), true},
            {colorFromRgb(120, 60, 30), colorFromRgb(120, 66, 30), false},
    };
    for (const Row &row : rows) {
        std::vector<float> a, b;
        const std::uint32_t first[] = {row.a}, second[] = {row.b};
        labOf(first, a);
        labOf(second, b);
        EXPECT_EQ(looksSame(a.data(), b.data()), row.same)
                << std::hex << row.a << " against " << row.b;
    }
}
