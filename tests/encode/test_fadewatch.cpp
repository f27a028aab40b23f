// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "encode/fadewatch.h"
#include "imaging/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace tessa {
namespace {

using Picture = std::vector<std::uint32_t>;

// A picture with something in it: gradients crossing, and a grain of its own.
Picture scene()
{
    std::mt19937 random(7);
    Picture picture(kFrameSize);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            picture[std::size_t(y * kFrameWidth + x)] =
                    colorFromRgb(std::uint8_t(40 + x / 2), std::uint8_t(60 + y),
                                 std::uint8_t(100 + random() % 100));
    return picture;
}

// `picture` with every component scaled by `brightness`, and a lossy movie's noise of up to
// `noise` either way.
Picture darkened(const Picture &picture, double brightness, int noise, unsigned seed = 1)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> jitter(-noise, noise);
    const auto component = [&](std::uint8_t value) {
        return std::uint8_t(
                std::clamp(int(std::lround(value * brightness)) + jitter(random), 0, 255));
    };
    Picture result(picture.size());
    for (std::size_t i = 0; i < picture.size(); ++i)
        result[i] = colorFromRgb(component(redOf(picture[i])), component(greenOf(picture[i])),
                                 component(blueOf(picture[i])));
    return result;
}

TEST(FadeWatch, APictureDarkenedThroughNoiseGivesItsBrightness)
{
    const Picture reference = scene();
    for (const double brightness : {1.0, 0.8, 0.5, 0.2}) {
        const auto found = darkenedBrightness(reference, darkened(reference, brightness, 4));
        ASSERT_TRUE(found) << brightness;
        EXPECT_NEAR(*found, brightness, 0.01);
    }
}

TEST(FadeWatch, WhatIsNotTheSamePictureDarkenedGivesNothing)
{
    const Picture reference = scene();
    // Moved by a pixel, as a pan does.
    Picture moved(reference.size());
    std::rotate_copy(reference.begin(), reference.begin() + 1, reference.end(), moved.begin());
    EXPECT_FALSE(darkenedBrightness(reference, darkened(moved, 0.6, 0)));
    // Half of it darker than the rest, as a shadow coming in.
    Picture shadowed = darkened(reference, 0.6, 0);
    const Picture shadow = darkened(reference, 0.3, 0);
    std::copy(shadow.begin(), shadow.begin() + long(shadow.size() / 2), shadowed.begin());
    EXPECT_FALSE(darkenedBrightness(reference, shadowed));
    // More noise than a movie leaves.
    EXPECT_FALSE(darkenedBrightness(reference, darkened(reference, 0.6, 20)));
    // A black reference says nothing of how dark anything is, nor does a picture of another size.
    const Picture black(kFrameSize, colorFromRgb(1, 1, 1));
    EXPECT_FALSE(darkenedBrightness(black, black));
    EXPECT_FALSE(darkenedBrightness(reference, Picture(reference.begin(), reference.end() - 1)));
}

TEST(FadeWatch, OnlyAPictureBlackToTheEyeIsBlack)
{
    const Picture reference = scene();
    EXPECT_TRUE(isBlackPicture(darkened(reference, 0.0, 2)));
    EXPECT_TRUE(isBlackPicture(darkened(reference, 0.01, 0)));
    EXPECT_FALSE(isBlackPicture(darkened(reference, 0.1, 0))) << "dark, but still seen";
}

} // namespace
} // namespace tessa
