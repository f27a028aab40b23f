// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bytewisecodec.h"
#include "document/diffscan.h"
#include "document/framecodec.h"
#include "framescenes.h"
#include "guardedbuffer.h"

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
constexpr std::size_t kHeaderBytes = 6;

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

// The fast codec against the byte-at-a-time one, on every path this build and processor have.
namespace {

std::vector<const diffscan::Kernels *> codecPaths()
{
    std::vector<const diffscan::Kernels *> found;
    for (diffscan::Path path :
         {diffscan::Path::Scalar, diffscan::Path::Sse2, diffscan::Path::Avx2}) {
        if (const diffscan::Kernels *kernels = diffscan::kernels(path))
            found.push_back(kernels);
    }
    return found;
}

Bytes plainEncode(std::span<const std::uint8_t> frame, std::span<const std::uint8_t> reference)
{
    Bytes out;
    test::bytewiseEncode(frame, reference, out);
    return out;
}

} // namespace

TEST(FrameCodecPaths, EveryPathEncodesEverySceneByteForByte)
{
    for (const diffscan::Kernels *kernels : codecPaths()) {
        for (test::Scene scene : test::kAllScenes) {
            for (std::uint32_t seed : {1u, 2u, 3u}) {
                const test::FramePair pair = test::makeScene(scene, seed);
                const Bytes expected = plainEncode(pair.frame, pair.reference);
                // Appends: what the output held stays in front.
                Bytes out{0xAB, 0xCD};
                diffscan::encodeFrameWith(*kernels, pair.frame, pair.reference, out);
                ASSERT_EQ(Bytes(out.begin(), out.begin() + 2), (Bytes{0xAB, 0xCD}));
                ASSERT_TRUE(
                        std::equal(out.begin() + 2, out.end(), expected.begin(), expected.end()))
                        << kernels->name << " " << test::sceneName(scene) << " seed " << seed;

                Bytes decoded = pair.reference;
                ASSERT_TRUE(diffscan::decodeFrameWith(*kernels, expected, decoded));
                ASSERT_EQ(decoded, pair.frame) << kernels->name << " " << test::sceneName(scene);
            }
        }
    }
    const test::FramePair pair = test::makeScene(test::Scene::Sprites);
    EXPECT_EQ(encode(pair.frame, pair.reference), plainEncode(pair.frame, pair.reference))
            << "the public encoder";
}

TEST(FrameCodecPaths, RandomFramesOfAnySizeAndAlignment)
{
    std::mt19937 random(2024);
    for (const diffscan::Kernels *kernels : codecPaths()) {
        for (int round = 0; round < 300; ++round) {
            // Mostly small sizes, where the ends of the blocks are; a few full frames.
            const std::size_t size = round % 10 == 0 ? kFrameSize : random() % 700;
            const std::size_t frameAt = random() % 32;
            const std::size_t referenceAt = random() % 32;
            const std::size_t extra = random() % 3 == 0 ? random() % 40 : 0;
            Bytes frameStore(frameAt + size + extra), referenceStore(referenceAt + size);
            const std::span<std::uint8_t> frame(frameStore.data() + frameAt, size + extra);
            const std::span<std::uint8_t> reference(referenceStore.data() + referenceAt, size);
            const unsigned changeOneIn = 1 + random() % 12;
            const unsigned runLength = 1 + random() % 50;
            for (std::size_t i = 0; i < size; ++i)
                reference[i] = static_cast<std::uint8_t>(random() % 3);
            std::size_t left = 0;
            for (std::size_t i = 0; i < size + extra; ++i) {
                if (left == 0 && random() % changeOneIn == 0)
                    left = 1 + random() % runLength;
                frame[i] = i < size ? reference[i] : std::uint8_t(9);
                if (left > 0) {
                    frame[i] = static_cast<std::uint8_t>(frame[i] + 1);
                    --left;
                }
            }
            // A longer frame is encoded over the reference's length only, either way round.
            const bool swap = random() % 2;
            const auto first = swap ? std::span<const std::uint8_t>(reference) : frame;
            const auto second = swap ? std::span<const std::uint8_t>(frame) : reference;
            Bytes out;
            diffscan::encodeFrameWith(*kernels, first, second, out);
            ASSERT_EQ(out, plainEncode(first, second)) << kernels->name << " round " << round;
        }
    }
}

TEST(FrameCodecPaths, RunsLeftOpenBetweenBatchesOfEdges)
{
    // Hundreds of one-pixel runs fill the scanner's batch, then a long run that the batch's end
    // cuts: every cut position in a range.
    for (const diffscan::Kernels *kernels : codecPaths()) {
        for (std::size_t longStart = 900; longStart < 1300; longStart += 13) {
            Bytes reference = frameOf(0);
            Bytes frame = reference;
            for (std::size_t i = 0; i < longStart; i += 2)
                frame[i] = 1;
            std::fill(frame.begin() + std::ptrdiff_t(longStart + 1),
                      frame.begin() + std::ptrdiff_t(longStart + 200), 2);
            Bytes out;
            diffscan::encodeFrameWith(*kernels, frame, reference, out);
            ASSERT_EQ(out, plainEncode(frame, reference)) << kernels->name << " " << longStart;
        }
    }
}

TEST(FrameCodecPaths, FramesLargerThanTheGameKeepTheLowBitsOfTheirWords)
{
    Bytes reference(70000, 0), frame(70000, 0);
    frame[65540] = 5;
    std::fill(frame.begin(), frame.begin() + 65537, 1);
    for (const diffscan::Kernels *kernels : codecPaths()) {
        Bytes out;
        diffscan::encodeFrameWith(*kernels, frame, reference, out);
        ASSERT_EQ(out, plainEncode(frame, reference)) << kernels->name;
    }
}

TEST(FrameCodecPaths, EveryPathDecodesAnyStreamLikeTheBytewiseDecoder)
{
    // Streams of random chunks, good and bad: the same verdict, and the same frame afterwards,
    // partial updates of failing streams included.
    std::mt19937 random(31);
    const std::uint16_t types[] = {1, 1, 1, 1, 1, 1, 0, 2, 0x7FFF, 0x8000, 0xFFFF};
    for (const diffscan::Kernels *kernels : codecPaths()) {
        for (int round = 0; round < 3000; ++round) {
            const std::size_t frameSize = round % 3 == 0 ? kFrameSize : 1 + random() % 300;
            Bytes stream;
            const int chunks = 1 + int(random() % 8);
            for (int c = 0; c < chunks; ++c) {
                const std::uint16_t type = types[random() % std::size(types)];
                const std::size_t length = random() % 4 == 0 ? random() % 200 : random() % 20;
                std::size_t offset = random() % (frameSize + 10);
                if (random() % 5 == 0)
                    offset = frameSize - std::min(frameSize, length) + random() % 3;
                for (std::size_t word : {std::size_t(type), offset, length}) {
                    stream.push_back(static_cast<std::uint8_t>(word & 0xFF));
                    stream.push_back(static_cast<std::uint8_t>((word >> 8) & 0xFF));
                }
                for (std::size_t p = 0; p < length; ++p)
                    stream.push_back(static_cast<std::uint8_t>(random()));
            }
            if (random() % 4 == 0)
                stream.resize(random() % (stream.size() + 1)); // cut anywhere
            Bytes expected(frameSize), frame(frameSize);
            for (std::size_t i = 0; i < frameSize; ++i)
                expected[i] = frame[i] = static_cast<std::uint8_t>(i * 7);
            const bool plainResult = test::bytewiseDecode(stream, expected);
            ASSERT_EQ(diffscan::decodeFrameWith(*kernels, stream, frame), plainResult)
                    << kernels->name << " round " << round;
            ASSERT_EQ(frame, expected) << kernels->name << " round " << round;
        }
    }
}

TEST(FrameCodecPaths, NothingIsReadPastTheEndOfAnyBuffer)
{
    // Frames, references and streams that end where memory ends, with the runs, or the chunks,
    // at their very end, where a copy or a look in whole words would step over.
    std::mt19937 random(8);
    for (const diffscan::Kernels *kernels : codecPaths()) {
        for (std::size_t size : {1,  2,  7,  8,  9,   15,  16,  17,  31,  32,  33,
                                 40, 63, 64, 65, 100, 127, 128, 129, 200, 1000}) {
            for (std::size_t runLength : {std::size_t(1), std::size_t(3), std::size_t(20), size}) {
                const test::GuardedBuffer frame(size), reference(size);
                for (std::size_t i = 0; i < size; ++i)
                    reference.bytes()[i] = frame.bytes()[i] = static_cast<std::uint8_t>(random());
                for (std::size_t i = size - std::min(runLength, size); i < size; ++i)
                    frame.bytes()[i] = static_cast<std::uint8_t>(reference.bytes()[i] + 1);
                Bytes out;
                diffscan::encodeFrameWith(*kernels, frame.bytes(), reference.bytes(), out);
                ASSERT_EQ(out, plainEncode(frame.bytes(), reference.bytes()))
                        << kernels->name << " size " << size << " run " << runLength;
            }
        }
        for (std::size_t length = 0; length <= 40; ++length) {
            for (std::size_t frameSize : {length, length + 3, std::size_t(kFrameSize)}) {
                const test::GuardedBuffer stream(kHeaderBytes + length), frame(frameSize);
                const std::size_t offset = frameSize - length;
                const std::uint8_t header[] = {1,
                                               0,
                                               std::uint8_t(offset & 0xFF),
                                               std::uint8_t(offset >> 8),
                                               std::uint8_t(length),
                                               0};
                std::copy(std::begin(header), std::end(header), stream.bytes().begin());
                for (std::size_t i = 0; i < length; ++i)
                    stream.bytes()[kHeaderBytes + i] = static_cast<std::uint8_t>(100 + i);
                std::fill(frame.bytes().begin(), frame.bytes().end(), 7);
                ASSERT_TRUE(diffscan::decodeFrameWith(*kernels, stream.bytes(), frame.bytes()))
                        << kernels->name << " length " << length;
                for (std::size_t i = 0; i < frameSize; ++i) {
                    const std::uint8_t want = i < offset ? 7 : std::uint8_t(100 + i - offset);
                    ASSERT_EQ(frame.bytes()[i], want) << kernels->name << " length " << length;
                }
            }
        }
    }
}

TEST(FrameScenes, EachSceneChangesWhatItsNameSays)
{
    // The benchmarks' targets assume these shapes: runs and changed pixels per scene.
    const struct
    {
        test::Scene scene;
        std::size_t runs;
        std::size_t minPixels, maxPixels;
    } rows[] = {
            {test::Scene::NothingChanged, 0, 0, 0},
            {test::Scene::Rectangles, 80, 3200, 3200},
            {test::Scene::Sprites, 1000, 2700, 3300},
            {test::Scene::Scattered, 3200, 3200, 3200},
            {test::Scene::AllChanged, 1, 64000, 64000},
            {test::Scene::Alternating, 32000, 32000, 32000},
    };
    for (const auto &row : rows) {
        const test::FramePair pair = test::makeScene(row.scene, 9);
        const Bytes stream = plainEncode(pair.frame, pair.reference);
        std::size_t runs = 0, pixels = 0;
        for (std::size_t at = 0; stream[at] == 1; ++runs) {
            const std::size_t length = stream[at + 4] | std::size_t(stream[at + 5]) << 8;
            pixels += length;
            at += kHeaderBytes + length;
        }
        EXPECT_EQ(runs, row.runs) << test::sceneName(row.scene);
        EXPECT_GE(pixels, row.minPixels) << test::sceneName(row.scene);
        EXPECT_LE(pixels, row.maxPixels) << test::sceneName(row.scene);
    }
}
