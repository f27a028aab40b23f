// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace tessa;

// The build draws the demo and runs tessanim build on it; it must open as a real animation.
TEST(DemoAnimation, OpensWithImagesFadesPausesAndSound)
{
    const auto items = loadAnimation(TESSA_DEMO_ANIMATION);
    ASSERT_TRUE(items) << items.error().text;
    ASSERT_FALSE(items->empty());

    EXPECT_TRUE(items->front().isImage());
    EXPECT_EQ(items->back().Code, kCodeEnd);
    std::multiset<std::string> codes;
    for (const AnimItem &item : *items)
        codes.insert(item.Code);
    EXPECT_GE(codes.count(std::string(kCodeImage)), 3u);
    EXPECT_GE(codes.count(std::string(kCodeFadeIn)), 1u);
    EXPECT_GE(codes.count(std::string(kCodeFadeOut)), 1u);
    EXPECT_GE(codes.count(std::string(kCodePause)), 1u);
    EXPECT_GE(codes.count(std::string(kCodeSound)), 1u);
    for (const AnimItem &item : *items)
        EXPECT_FALSE(listLine(item).empty()) << "an item the editor cannot name: " << item.Code;
}

TEST(DemoAnimation, FramesAreDrawnAndChange)
{
    const auto items = loadAnimation(TESSA_DEMO_ANIMATION);
    ASSERT_TRUE(items) << items.error().text;
    std::vector<const AnimItem *> images;
    for (const AnimItem &item : *items) {
        if (item.isImage())
            images.push_back(&item);
    }
    ASSERT_GE(images.size(), 2u);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto &pixels = images[i]->Pixels;
        const std::set<std::uint8_t> indices(pixels.begin(), pixels.end());
        EXPECT_GE(indices.size(), 16u) << "image " << i << " is nearly flat";
        if (i > 0) {
            EXPECT_NE(pixels, images[i - 1]->Pixels) << "image " << i << " repeats the one before";
        }
    }
}
