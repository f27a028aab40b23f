// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/framecodec.h"

#include <gtest/gtest.h>

#include <random>

using namespace tessa;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes frameOf(std::uint8_t index)
{
    return Bytes(kFrameSize, index);
}

Bytes encode(const Bytes &frame, const Bytes &reference)
{
    Bytes out;
    encodeFrame(frame, reference, out);
    return out;
}

const Bytes kEndChunk{0, 0, 0, 0, 0, 0};

} // namespace

TEST(EncodeFrame, ByteVectors)
{
    const Bytes reference = frameOf(0);

    EXPECT_EQ(encode(reference, reference), kEndChunk);

    Bytes fourPixels = reference;
    fourPixels[10] = 0xA1;
    fourPixels[11] = 0xA2;
    fourPixels[12] = 0xA3;
    fourPixels[100] = 0xB1;
    EXPECT_EQ(encode(fourPixels, reference),
              (Bytes{1,    0, 0x0A, 0, 3,    0, 0xA1, 0xA2, 0xA3, 1, 0,
                     0x64, 0, 1,    0, 0xB1, 0, 0,    0,    0,    0, 0}));

    Bytes lastPixel = reference;
    lastPixel[63999] = 9;
    EXPECT_EQ(encode(lastPixel, reference), (Bytes{1, 0, 0xFF, 0xF9, 1, 0, 9, 0, 0, 0, 0, 0, 0}));
}

TEST(EncodeFrame, WholeFrameIsOneChunk)
{
    const Bytes out = encode(frameOf(4), frameOf(0));
    ASSERT_EQ(out.size(), 6u + 64000u + 6u);
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 6), (Bytes{1, 0, 0, 0, 0x00, 0xFA}));
    EXPECT_EQ(out[6], 4);
    EXPECT_EQ(out[6 + 63999], 4);
    EXPECT_EQ(Bytes(out.end() - 6, out.end()), kEndChunk);
}

TEST(EncodeFrame, SingleEqualPixelSplitsARun)
{
    Bytes reference = frameOf(0);
    Bytes frame = reference;
    frame[0] = 1;
    frame[2] = 1; // offset 1 stays equal
    EXPECT_EQ(encode(frame, reference),
              (Bytes{1, 0, 0, 0, 1, 0, 1, 1, 0, 2, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0}));
}

TEST(BackgroundColor, MostFrequentWithTiesToTheSmallerIndex)
{
    Bytes halves(kFrameSize, 9);
    std::fill(halves.begin(), halves.begin() + kFrameSize / 2, 3);
    EXPECT_EQ(mostFrequentIndex(halves), 3);

    Bytes mostlyFive = frameOf(5);
    mostlyFive[0] = 7;
    EXPECT_EQ(mostFrequentIndex(mostlyFive), 5);

    Bytes tieAgainstLast(kFrameSize, 255);
    std::fill(tieAgainstLast.begin(), tieAgainstLast.begin() + kFrameSize / 2, 200);
    EXPECT_EQ(mostFrequentIndex(tieAgainstLast), 200);

    EXPECT_EQ(GetBackgroundColor(ItemList{}), 0);
}

TEST(DecodeFrame, StreamsThatDecode)
{
    struct Row
    {
        const char *name;
        Bytes stream;
        int changedOffset; // -1: the frame stays as it was
        std::uint8_t changedTo;
    };
    const Row rows[] = {
            {"empty stream", {}, -1, 0},
            {"end chunk", kEndChunk, -1, 0},
            {"type word 0 alone ends the stream", {0, 0}, -1, 0},
            {"copy then end", {1, 0, 5, 0, 1, 0, 42, 0, 0, 0, 0, 0, 0}, 5, 42},
            {"no end chunk after the last chunk", {1, 0, 5, 0, 1, 0, 42}, 5, 42},
            {"type FFFF copies", {0xFF, 0xFF, 7, 0, 1, 0, 9}, 7, 9},
            {"type 8000 copies", {0x00, 0x80, 7, 0, 1, 0, 9}, 7, 9},
            {"nothing after an end chunk is read", {0, 0, 0, 0, 0, 0, 1, 0, 3, 0, 1, 0, 8}, -1, 0},
            {"bytes after the end chunk may be garbage", {0, 0, 0, 0, 0, 0, 7}, -1, 0},
            {"zero-length copy at the frame's end", {1, 0, 0x00, 0xFA, 0, 0}, -1, 0},
            {"last pixel", {1, 0, 0xFF, 0xF9, 1, 0, 3}, 63999, 3},
    };
    for (const Row &row : rows) {
        Bytes frame = frameOf(0);
        EXPECT_TRUE(decodeFrame(row.stream, frame)) << row.name;
        Bytes expected = frameOf(0);
        if (row.changedOffset >= 0)
            expected[static_cast<std::size_t>(row.changedOffset)] = row.changedTo;
        EXPECT_EQ(frame, expected) << row.name;
    }
}

TEST(DecodeFrame, StreamsThatFail)
{
    const struct
    {
        const char *name;
        Bytes stream;
    } rows[] = {
            {"type word 2", {2, 0, 0, 0, 0, 0}},
            {"type word 7FFF", {0xFF, 0x7F, 0, 0, 0, 0}},
            {"one byte left for a type word", {1}},
            {"header cut short", {1, 0, 5, 0}},
            {"pixels run past the stream", {1, 0, 5, 0, 4, 0, 1, 2}},
            {"chunk runs past the frame", {1, 0, 0xFF, 0xF9, 2, 0, 1, 2}},
            {"offset beyond the frame", {1, 0, 0xFF, 0xFF, 1, 0, 1}},
            {"bad chunk after a good one", {1, 0, 0, 0, 1, 0, 9, 3, 0, 0, 0, 0, 0}},
    };
    for (const auto &row : rows) {
        Bytes frame = frameOf(0);
        EXPECT_FALSE(decodeFrame(row.stream, frame)) << row.name;
    }
}

TEST(PrepareImage, FirstImageStartsFromItsBackgroundByte)
{
    ItemList items{makeImageItem({})};
    items[0].Data = {7};
    items[0].DataSize = 1;
    ASSERT_TRUE(PrepareImage(items, 0));
    EXPECT_EQ(items[0].Pixels, frameOf(7));

    items[0].Data = {5, 1, 0, 0, 0, 1, 0, 7, 0, 0, 0, 0, 0, 0};
    items[0].DataSize = 14;
    ASSERT_TRUE(PrepareImage(items, 0));
    Bytes expected = frameOf(5);
    expected[0] = 7;
    EXPECT_EQ(items[0].Pixels, expected);

    items[0].Data.clear();
    items[0].DataSize = 0;
    EXPECT_FALSE(PrepareImage(items, 0)) << "no background byte";
}

TEST(PrepareImage, LaterImageStartsFromThePreviousImageNotFromOtherItems)
{
    ItemList items{makeImageItem(frameOf(3)), makePauseItem(30), makeImageItem({})};
    items[2].DataSize = 6;
    items[2].Data = kEndChunk;
    ASSERT_TRUE(PrepareImage(items, 2));
    EXPECT_EQ(items[2].Pixels, frameOf(3));

    items[2].DataSize = 0;
    items[2].Data.clear();
    ASSERT_TRUE(PrepareImage(items, 2)) << "an empty later payload repeats the previous frame";
    EXPECT_EQ(items[2].Pixels, frameOf(3));
}

TEST(EncodeImage, AgainstPreviousImageOrBackground)
{
    Bytes first = frameOf(5);
    first[0] = 7;
    ItemList items{makeImageItem(first), makeFadeInItem(), makeImageItem(first)};
    EncodeImage(items, 0, 5);
    EXPECT_EQ(items[0].Data, (Bytes{1, 0, 0, 0, 1, 0, 7, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(items[0].DataSize, 13) << "the background byte is the writer's business";
    EncodeImage(items, 2, 5);
    EXPECT_EQ(items[2].Data, kEndChunk);
    EXPECT_EQ(items[2].DataSize, 6);
}

TEST(FrameCodec, RandomFramesSurviveEncodeAndDecode)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 60; ++round) {
        Bytes reference(kFrameSize), frame(kFrameSize);
        for (auto &b : reference)
            b = static_cast<std::uint8_t>(random() % 4);
        // Vary how much changes, from almost nothing to almost everything.
        const unsigned changeOneIn = 1 + round % 20;
        frame = reference;
        for (auto &b : frame) {
            if (random() % changeOneIn == 0)
                b = static_cast<std::uint8_t>(random() % 4);
        }
        const Bytes stream = encode(frame, reference);
        Bytes decoded = reference;
        ASSERT_TRUE(decodeFrame(stream, decoded)) << "round " << round;
        ASSERT_EQ(decoded, frame) << "round " << round;
    }
}
