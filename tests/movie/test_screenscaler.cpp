// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "movie/screenscaler.h"

#include <gtest/gtest.h>

using namespace tessa;

namespace {

struct ScaleCase
{
    int scale;
    bool aspect43;
    int width;
    int height;
    std::vector<int> firstSourceRows;
    int lastSourceRow;
};

class ScreenScalerTable : public testing::TestWithParam<ScaleCase>
{
};

TEST_P(ScreenScalerTable, repeatsRowsInTheFixedPattern)
{
    const ScaleCase &row = GetParam();
    const ScreenScaler scaler(row.scale, row.aspect43);
    ASSERT_EQ(scaler.width(), row.width);
    ASSERT_EQ(scaler.height(), row.height);
    for (std::size_t r = 0; r < row.firstSourceRows.size(); ++r)
        EXPECT_EQ(scaler.sourceRow(int(r)), row.firstSourceRows[r]) << "output row " << r;
    EXPECT_EQ(scaler.sourceRow(row.height - 1), row.lastSourceRow);

    // Every output pixel is the image pixel it stands for: row y holds y, column x holds x.
    std::vector<std::uint8_t> frame(kFrameSize);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            frame[std::size_t(y * kFrameWidth + x)] = std::uint8_t((x + y * 3) & 0xFF);
    std::vector<std::uint8_t> out;
    scaler.scale(frame, out);
    ASSERT_EQ(out.size(), std::size_t(row.width) * std::size_t(row.height));
    for (int y = 0; y < row.height; y += 7)
        for (int x = 0; x < row.width; x += 13)
            ASSERT_EQ(out[std::size_t(y * row.width + x)],
                      frame[std::size_t(scaler.sourceRow(y) * kFrameWidth + x / row.scale)])
                    << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
        Scaling, ScreenScalerTable,
        testing::Values(ScaleCase{1, false, 320, 200, {0, 1, 2, 3}, 199},
                        ScaleCase{2, false, 640, 400, {0, 0, 1, 1}, 199},
                        ScaleCase{1, true, 320, 240, {0, 0, 1, 2, 3, 4, 5, 5}, 199},
                        ScaleCase{3, true, 960, 720, {0, 0, 0, 0, 0, 0, 1, 1, 1}, 199}));

} // namespace
