// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "encode/moviefit.h"
#include "imaging/palette.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace tessa;

namespace {

// A grey picture whose outer eighth on the left is green and whose top and bottom rows are red.
QImage marked(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(128, 128, 128));
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 8, height, qRgb(0, 255, 0));
    painter.fillRect(0, 0, width, 2, qRgb(255, 0, 0));
    painter.fillRect(0, height - 2, width, 2, qRgb(255, 0, 0));
    return picture;
}

std::uint32_t at(const std::vector<std::uint32_t> &rgb, int x, int y)
{
    return rgb[std::size_t(y * kFrameWidth + x)];
}

bool isBlack(std::uint32_t c)
{
    return c == colorFromRgb(0, 0, 0);
}

bool isGreen(std::uint32_t c)
{
    return greenOf(c) > 200 && redOf(c) < 50;
}

} // namespace

TEST(MovieFit, NamesAreTheOptionsWords)
{
    EXPECT_EQ(movieFitNamed("crop"), MovieFit::Crop);
    EXPECT_EQ(movieFitNamed("pad"), MovieFit::Pad);
    EXPECT_EQ(movieFitNamed("stretch"), MovieFit::Stretch);
    EXPECT_FALSE(movieFitNamed("scale"));
}

TEST(MovieFit, APictureOfTheScreensSizeIsTakenAsItIs)
{
    QImage picture(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    for (const MovieFit fit : {MovieFit::Crop, MovieFit::Pad, MovieFit::Stretch}) {
        const auto rgb = fitMoviePicture(picture, fit);
        EXPECT_EQ(at(rgb, 300, 150), colorFromRgb(300 % 256, 150, (300 * 150) % 256));
        EXPECT_EQ(at(rgb, 1, 199), colorFromRgb(1, 199, 199));
    }
}

TEST(MovieFit, AFourToThreePictureFillsTheScreenWhateverTheFit)
{
    for (const MovieFit fit : {MovieFit::Crop, MovieFit::Pad, MovieFit::Stretch}) {
        const auto rgb = fitMoviePicture(marked(640, 480), fit);
        EXPECT_TRUE(isGreen(at(rgb, 2, 100)));
        EXPECT_TRUE(isGreen(at(rgb, 36, 100)));
        EXPECT_FALSE(isGreen(at(rgb, 44, 100)));
        EXPECT_GT(redOf(at(rgb, 160, 0)), 100);
        EXPECT_GT(redOf(at(rgb, 160, 199)), 100);
    }
}

TEST(MovieFit, AWidePictureIsCutPaddedOrStretched)
{
    // 16:9 in 4:3: an eighth is cut on either side, or bars of 25 rows go above and below.
    const QImage wide = marked(1280, 720);
    const auto crop = fitMoviePicture(wide, MovieFit::Crop);
    EXPECT_FALSE(isGreen(at(crop, 1, 100)));
    EXPECT_GT(redOf(at(crop, 160, 0)), 100);

    const auto pad = fitMoviePicture(wide, MovieFit::Pad);
    for (const int y : {0, 24, 175, 199})
        EXPECT_TRUE(isBlack(at(pad, 160, y))) << "row " << y;
    EXPECT_GT(redOf(at(pad, 160, 25)), 100);
    EXPECT_GT(redOf(at(pad, 160, 174)), 100);
    EXPECT_TRUE(isGreen(at(pad, 2, 100)));

    const auto stretch = fitMoviePicture(wide, MovieFit::Stretch);
    EXPECT_TRUE(isGreen(at(stretch, 2, 100)));
    EXPECT_TRUE(isGreen(at(stretch, 36, 100)));
    EXPECT_GT(redOf(at(stretch, 160, 0)), 100);
}

TEST(MovieFit, ATallPictureIsCutAboveAndBelowOrPaddedAtTheSides)
{
    const QImage tall = marked(480, 640);
    const auto crop = fitMoviePicture(tall, MovieFit::Crop);
    EXPECT_LT(redOf(at(crop, 160, 0)), 200); // the red edge rows are cut
    EXPECT_TRUE(isGreen(at(crop, 2, 100)));

    const auto pad = fitMoviePicture(tall, MovieFit::Pad);
    // 3:4 in 4:3: the picture is 9/16 of the width, 180 columns, bars of 70 on either side.
    EXPECT_TRUE(isBlack(at(pad, 69, 100)));
    EXPECT_TRUE(isGreen(at(pad, 72, 100)));
    EXPECT_TRUE(isBlack(at(pad, 250, 100)));
    EXPECT_FALSE(isBlack(at(pad, 248, 100)));
}
