// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The codec's inner loops, on every path this build and this processor have.
#include "document/diffscan.h"
#include "guardedbuffer.h"

#include <gtest/gtest.h>

#include <random>

using namespace tessa::diffscan;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Edges = std::vector<std::size_t>;

std::vector<const Kernels *> availableKernels()
{
    std::vector<const Kernels *> found;
    for (Path path : {Path::Scalar, Path::Sse2, Path::Avx2}) {
        if (const Kernels *k = kernels(path))
            found.push_back(k);
    }
    return found;
}

// Every offset where equality changes, a byte at a time; a run open at the end stays open.
Edges plainEdges(const std::uint8_t *a, const std::uint8_t *b, std::size_t size)
{
    Edges edges;
    bool open = false;
    for (std::size_t i = 0; i < size; ++i) {
        if ((a[i] != b[i]) != open) {
            edges.push_back(i);
            open = !open;
        }
    }
    return edges;
}

// All edges through `kernels`, given `room` slots per call.
Edges kernelEdges(const Kernels &kernels, const std::uint8_t *a, const std::uint8_t *b,
                  std::size_t size, std::size_t room, ScanState &state)
{
    Edges edges;
    std::vector<std::size_t> buffer(room);
    int calls = 0;
    while (state.next < size) {
        const std::size_t count = kernels.findEdges(a, b, size, state, buffer.data(), room);
        edges.insert(edges.end(), buffer.begin(), buffer.begin() + std::ptrdiff_t(count));
        if (++calls > 100000)
            break; // no progress: fails below
    }
    return edges;
}

// A pair of `size` bytes at `misalign` bytes past an aligned address, differing where
// `differs` says.
struct Pair
{
    Pair(std::size_t size, std::size_t misalign)
        : storeA(size + 64)
        , storeB(size + 64)
        , a(storeA.data() + misalign)
        , b(storeB.data() + (misalign * 3) % 61)
        , size(size)
    {
    }
    Bytes storeA, storeB;
    std::uint8_t *a;
    std::uint8_t *b;
    std::size_t size;
};

Pair randomPair(std::mt19937 &random, std::size_t size, unsigned changeOneIn)
{
    Pair pair(size, random() % 33);
    for (std::size_t i = 0; i < size; ++i) {
        pair.a[i] = static_cast<std::uint8_t>(random());
        pair.b[i] = random() % changeOneIn == 0 ? std::uint8_t(pair.a[i] ^ (1u << (random() % 8)))
                                                : pair.a[i];
    }
    return pair;
}

} // namespace

TEST(DiffScan, ThisBuildOffersTheExpectedPaths)
{
    ASSERT_NE(kernels(Path::Scalar), nullptr);
    const Kernels &best = bestKernels();
#if defined(TESSA_SCALAR_CODEC)
    EXPECT_STREQ(best.name, "scalar") << "the forced fallback must be what runs";
    EXPECT_EQ(kernels(Path::Sse2), nullptr);
    EXPECT_EQ(kernels(Path::Avx2), nullptr);
#elif defined(__x86_64__)
    ASSERT_NE(kernels(Path::Sse2), nullptr) << "every x86-64 processor has SSE2";
    if (kernels(Path::Avx2))
        EXPECT_STREQ(best.name, "avx2");
    else
        EXPECT_STREQ(best.name, "sse2");
#endif
    EXPECT_EQ(&best, &bestKernels()) << "chosen once";
}

TEST(DiffScan, EdgesOfFixedPatterns)
{
    const struct
    {
        const char *name;
        std::size_t size;
        std::vector<std::size_t> differing; // offsets that differ
    } rows[] = {
            {"nothing differs", 200, {}},
            {"first byte", 200, {0}},
            {"last byte", 200, {199}},
            {"last byte of a block", 200, {63}},
            {"first byte of a block", 200, {64}},
            {"run across a block edge", 200, {62, 63, 64, 65}},
            {"run to the end", 130, {120, 121, 122, 123, 124, 125, 126, 127, 128, 129}},
            {"tiny frame", 5, {1, 2, 4}},
            {"one byte", 1, {0}},
            {"empty", 0, {}},
    };
    for (const Kernels *k : availableKernels()) {
        for (const auto &row : rows) {
            Bytes a(row.size, 7), b(row.size, 7);
            for (std::size_t at : row.differing)
                b[at] = 8;
            ScanState state;
            EXPECT_EQ(kernelEdges(*k, a.data(), b.data(), row.size, 1000, state),
                      plainEdges(a.data(), b.data(), row.size))
                    << k->name << ": " << row.name;
            EXPECT_EQ(state.next, row.size) << k->name << ": " << row.name;
            EXPECT_EQ(state.inRun, !row.differing.empty() && row.differing.back() == row.size - 1)
                    << k->name << ": " << row.name;
        }
    }
}

TEST(DiffScan, EdgesOfRandomPairsOfEverySizeAndAlignment)
{
    std::mt19937 random(77);
    const std::size_t sizes[] = {1,   15,  16,  17,  31,  32,  33,  63,  64,   65,   127,
                                 128, 129, 191, 192, 255, 256, 257, 300, 1000, 4099, 64000};
    for (const Kernels *k : availableKernels()) {
        for (std::size_t size : sizes) {
            for (unsigned changeOneIn : {1u, 2u, 3u, 9u, 70u, 400u}) {
                const Pair pair = randomPair(random, size, changeOneIn);
                ScanState state;
                ASSERT_EQ(kernelEdges(*k, pair.a, pair.b, size, 1000, state),
                          plainEdges(pair.a, pair.b, size))
                        << k->name << " size " << size << " one in " << changeOneIn;
            }
        }
    }
}

TEST(DiffScan, ReadsNothingPastTheEnd)
{
    std::mt19937 random(3);
    for (const Kernels *k : availableKernels()) {
        for (std::size_t size = 1; size <= 300; ++size) {
            const tessa::test::GuardedBuffer a(size), b(size);
            for (std::size_t i = 0; i < size; ++i) {
                a.bytes()[i] = static_cast<std::uint8_t>(random() % 2);
                b.bytes()[i] = static_cast<std::uint8_t>(random() % 2);
            }
            ScanState state;
            ASSERT_EQ(kernelEdges(*k, a.bytes().data(), b.bytes().data(), size, 1000, state),
                      plainEdges(a.bytes().data(), b.bytes().data(), size))
                    << k->name << " size " << size;
        }
    }
}

TEST(DiffScan, ResumesWhereItStoppedWhenTheRoomRunsOut)
{
    std::mt19937 random(5);
    for (const Kernels *k : availableKernels()) {
        for (std::size_t room : {kEdgeRoom, kEdgeRoom + 1, kEdgeRoom + 63, 2 * kEdgeRoom}) {
            const Pair pair = randomPair(random, 20000, 2);
            ScanState state;
            ASSERT_EQ(kernelEdges(*k, pair.a, pair.b, pair.size, room, state),
                      plainEdges(pair.a, pair.b, pair.size))
                    << k->name << " room " << room;
        }
        // Too little room: no progress, nothing written, nothing read past.
        const Pair pair = randomPair(random, 500, 2);
        ScanState state;
        std::size_t slot = 12345;
        EXPECT_EQ(k->findEdges(pair.a, pair.b, pair.size, state, &slot, kEdgeRoom - 1), 0u);
        EXPECT_EQ(state.next, 0u) << k->name;
    }
}

TEST(DiffScan, CopyLongWritesExactlyItsBytes)
{
    std::mt19937 random(11);
    for (const Kernels *k : availableKernels()) {
        for (std::size_t size : {16, 17, 31, 32, 33, 63, 64, 65, 127, 128, 129, 200, 1000, 64000}) {
            for (std::size_t misalign : {0, 1, 6, 15, 31}) {
                Bytes source(size + 64), target(size + 128, 0xEE);
                for (auto &byte : source)
                    byte = static_cast<std::uint8_t>(random());
                const std::size_t from = (misalign * 7) % 32;
                k->copyLong(target.data() + 32 + misalign, source.data() + from, size);
                Bytes expected(size + 128, 0xEE);
                std::copy_n(source.begin() + std::ptrdiff_t(from), size,
                            expected.begin() + std::ptrdiff_t(32 + misalign));
                ASSERT_EQ(target, expected) << k->name << " size " << size << " at " << misalign;
            }
        }
    }
}
