// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/itemclip.h"

#include <gtest/gtest.h>

using namespace tessa;

TEST(ItemClip, ItemsTravelWhole)
{
    std::vector<std::uint8_t> frame(kFrameSize);
    for (std::size_t i = 0; i < frame.size(); ++i)
        frame[i] = static_cast<std::uint8_t>(i * 7);
    AnimItem negative{"PA", 3, -1, {}, {}};
    AnimItem unknown{"ZZ", 0, 3, {1, 2, 3}, {}};
    for (const AnimItem &item : {makeImageItem(frame), makePauseItem(30), makeSoundItem(99),
                                 makeFadeInItem(), makeEndItem(), negative, unknown}) {
        const auto back = decodeClipItem(encodeClipItem(item));
        ASSERT_TRUE(back) << item.Code;
        EXPECT_TRUE(sameContent(*back, item)) << item.Code;
        EXPECT_EQ(back->DataSize, item.DataSize) << item.Code;
    }
}

TEST(ItemClip, AnythingElseIsRefused)
{
    const std::vector<std::uint8_t> pause = encodeClipItem(makePauseItem(30));
    const std::vector<std::uint8_t> image =
            encodeClipItem(makeImageItem(std::vector<std::uint8_t>(kFrameSize, 1)));
    auto changed = [](std::vector<std::uint8_t> bytes, std::size_t at, std::uint8_t value) {
        bytes[at] = value;
        return bytes;
    };
    const struct
    {
        const char *what;
        std::vector<std::uint8_t> bytes;
    } rows[] = {
            {"empty", {}},
            {"another magic", changed(pause, 3, '2')},
            {"cut short", {pause.begin(), pause.end() - 1}},
            {"a byte more",
             [&] {
                 auto bytes = pause;
                 bytes.push_back(0);
                 return bytes;
             }()},
            {"payload shorter than its size", changed(pause, 6, 3)},
            {"payload length past the end", changed(pause, 13, 0x7F)},
            {"image without a whole frame", {image.begin(), image.end() - 2}},
            {"pixels on a pause", changed(pause, 16, 1)},
    };
    for (const auto &row : rows)
        EXPECT_FALSE(decodeClipItem(row.bytes)) << row.what;
}
