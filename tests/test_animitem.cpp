// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"

#include <gtest/gtest.h>

using namespace tessa;
using Bytes = std::vector<std::uint8_t>;

namespace {

AnimItem withPayload(const std::string &code, Bytes payload, std::optional<int> size = {})
{
    AnimItem item;
    item.Code = code;
    item.DataSize = size.value_or(static_cast<int>(payload.size()));
    item.Data = std::move(payload);
    return item;
}

} // namespace

TEST(AnimItem, ListLines)
{
    const struct
    {
        AnimItem item;
        const char *line;
    } rows[] = {
            {makeImageItem({}), "Image"},
            {makeFadeInItem(), "Fade in"},
            {makeFadeOutItem(), "Fade out"},
            {makeEndItem(), "End"},
            {withPayload("PA", {0x1E, 0x00}), "Pause: 30"},
            {withPayload("PA", {}), "Pause: 0"},
            {withPayload("PA", {}, -7), "Pause: 0"},
            {withPayload("SD", {0xFF, 0xFF}), "Play sound: 65535"},
            {withPayload("SD", {0x05}), "Play sound: 5"},
            {withPayload("PA", {0xFF, 0xFF, 0xFF, 0xFF}), "Pause: -1"},
            {withPayload("PA", {0x01, 0x00, 0x00, 0x00, 0x09, 0x09}), "Pause: 1"},
            {withPayload("ZZ", {1, 2}), ""},
            {withPayload("gr", {}), ""},
            {withPayload("pa", {1, 0}), ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(listLine(row.item), row.line) << row.item.Code;
}

TEST(AnimItem, SettingAValueKeepsLongerPayloadsAndGrowsShortOnes)
{
    AnimItem longer = withPayload("PA", {0x10, 0x00, 0xAA, 0xBB});
    setPayloadValue(longer, 300);
    EXPECT_EQ(longer.Data, (Bytes{0x2C, 0x01, 0xAA, 0xBB}));
    EXPECT_EQ(longer.DataSize, 4);

    AnimItem shorter = withPayload("SD", {0x07});
    setPayloadValue(shorter, 42);
    EXPECT_EQ(shorter.Data, (Bytes{42, 0}));
    EXPECT_EQ(shorter.DataSize, 2);

    AnimItem negative = withPayload("PA", {}, -9);
    setPayloadValue(negative, 120);
    EXPECT_EQ(negative.Data, (Bytes{0x78, 0x00}));
    EXPECT_EQ(negative.DataSize, 2);

    EXPECT_EQ(makePauseItem(120).Data, (Bytes{0x78, 0x00}));
    EXPECT_EQ(makeSoundItem(-1).Data, (Bytes{0xFF, 0xFF}));
}

TEST(AnimItem, FindPreviousImage)
{
    const ItemList items{makeImageItem({}), makeFadeInItem(),  makePauseItem(3),
                         makeImageItem({}), makeImageItem({}), makeEndItem()};
    const int expected[] = {-1, 0, 0, 0, 3, 4};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(FindPreviousImage(items, i), expected[i]) << i;
    EXPECT_EQ(FindPreviousImage(ItemList{makeFadeInItem(), makeEndItem()}, 1), -1);
}
