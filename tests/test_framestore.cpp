// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "document/framestore.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <set>

using namespace tessa;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::uintptr_t address(const std::uint8_t *at)
{
    return reinterpret_cast<std::uintptr_t>(at);
}

// Allocates `count` slots of `store`, each filled with its own number.
std::vector<std::uint8_t *> fill(FrameStore &store, std::size_t count)
{
    std::vector<std::uint8_t *> slots;
    for (std::size_t i = 0; i < count; ++i) {
        slots.push_back(store.allocate());
        std::memset(slots.back(), static_cast<int>(i), FrameStore::kSlotBytes);
    }
    return slots;
}

std::size_t slotsInUse()
{
    return FrameStore::shared().usage().slotsInUse;
}

} // namespace

TEST(FrameStore, SlotsAreAlignedDistinctAndKeepTheirBytes)
{
    FrameStore store;
    const std::size_t count = 3 * FrameStore::kSlotsPerBlock + 5;
    const auto slots = fill(store, count);
    std::set<std::uintptr_t> blocks;
    for (std::size_t i = 0; i < count; ++i) {
        ASSERT_NE(slots[i], nullptr);
        EXPECT_EQ(address(slots[i]) % 64, 0u);
        const std::uintptr_t block =
                address(slots[i]) & ~std::uintptr_t(FrameStore::kBlockBytes - 1);
        EXPECT_LE(address(slots[i]) + FrameStore::kSlotBytes, block + FrameStore::kBlockBytes);
        blocks.insert(block);
        // Overlapping slots would have overwritten each other's first or last byte.
        EXPECT_EQ(slots[i][0], std::uint8_t(i));
        EXPECT_EQ(slots[i][FrameStore::kSlotBytes - 1], std::uint8_t(i));
    }
    EXPECT_EQ(blocks.size(), 4u);
    EXPECT_EQ(store.usage().blocks, 4u);
    EXPECT_EQ(store.usage().slotsInUse, count);
    for (std::uint8_t *slot : slots)
        store.release(slot);
}

TEST(FrameStore, ReusesFreedSlotsAndReleasesFreeBlocksBeyondTheSpares)
{
    const struct
    {
        const char *name;
        std::size_t spares;
        std::size_t fullBlocks; // so that a freed slot is the only free one
        std::size_t blocksAfterFreeingAll;
    } rows[] = {
            {"no spares: every free block goes back", 0, 3, 0},
            {"one spare of three blocks", 1, 3, 1},
            {"two spares, one block used", 2, 1, 1},
            {"two spares of three blocks", 2, 3, 2},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FrameStore store(row.spares);
        const std::size_t frames = row.fullBlocks * FrameStore::kSlotsPerBlock;
        auto slots = fill(store, frames);
        const std::size_t blocks = store.usage().blocks;
        EXPECT_EQ(blocks, row.fullBlocks);

        // A freed slot in the middle is the next one handed out, before any new block.
        std::uint8_t *middle = slots[frames / 2];
        store.release(middle);
        EXPECT_EQ(store.usage().slotsInUse, frames - 1);
        slots[frames / 2] = store.allocate();
        EXPECT_EQ(slots[frames / 2], middle);
        EXPECT_EQ(store.usage().blocks, blocks);

        for (std::uint8_t *slot : slots)
            store.release(slot);
        EXPECT_EQ(store.usage().slotsInUse, 0u);
        EXPECT_EQ(store.usage().blocks, row.blocksAfterFreeingAll);
        EXPECT_EQ(store.usage().peakBlocks, blocks);

        // A kept block serves the next frame without a new one.
        std::uint8_t *again = store.allocate();
        EXPECT_EQ(store.usage().blocks, std::max<std::size_t>(row.blocksAfterFreeingAll, 1));
        store.release(again);
    }
}

TEST(FrameStore, PartlyUsedBlocksFillBeforeFreeOnes)
{
    FrameStore store(2);
    auto slots = fill(store, 2 * FrameStore::kSlotsPerBlock);
    // Empty the first block except one slot, and free one slot in the second.
    for (std::size_t i = 1; i < FrameStore::kSlotsPerBlock; ++i)
        store.release(slots[i]);
    std::uint8_t *freed = slots[FrameStore::kSlotsPerBlock + 3];
    store.release(freed);
    // The lower of the two partly used blocks is taken first.
    std::uint8_t *next = store.allocate();
    EXPECT_TRUE(next == slots[1] || next == freed);
    store.release(next);
    store.release(slots[0]);
    for (std::size_t i = FrameStore::kSlotsPerBlock; i < slots.size(); ++i) {
        if (slots[i] != freed)
            store.release(slots[i]);
    }
    EXPECT_EQ(store.usage().slotsInUse, 0u);
}

TEST(PixelBuffer, TakesASlotForAFrameOnlyAndGivesItBack)
{
    const struct
    {
        std::size_t size;
        bool inStore;
    } rows[] = {
            {0, false},
            {1, false},
            {FrameStore::kSlotBytes / 2, false},
            {FrameStore::kSlotBytes / 2 + 1, true},
            {std::size_t(kFrameSize), true},
            {FrameStore::kSlotBytes + 1, false},
            {1000000, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.size);
        const std::size_t before = slotsInUse();
        {
            PixelBuffer pixels(row.size, 7);
            EXPECT_EQ(pixels.inFrameStore(), row.inStore);
            EXPECT_EQ(slotsInUse(), before + row.inStore);
            const PixelBuffer copy = pixels;
            EXPECT_EQ(slotsInUse(), before + 2 * row.inStore) << "a copy has its own slot";
            const PixelBuffer moved = std::move(pixels);
            EXPECT_EQ(slotsInUse(), before + 2 * row.inStore) << "a move takes the slot along";
            EXPECT_TRUE(pixels.empty());
            EXPECT_EQ(moved, Bytes(row.size, 7));
        }
        EXPECT_EQ(slotsInUse(), before);
    }
}

TEST(PixelBuffer, BehavesAsAVectorOfBytes)
{
    Bytes frame(kFrameSize);
    std::iota(frame.begin(), frame.end(), std::uint8_t(0));
    AnimItem item = makeImageItem(frame);
    EXPECT_EQ(item.Pixels, frame);
    EXPECT_EQ(frame, item.Pixels);
    EXPECT_EQ(item.Pixels.size(), frame.size());

    // Copies are deep: undo keeps the item as it was.
    AnimItem kept = item;
    item.Pixels[10] = 99;
    EXPECT_EQ(kept.Pixels, frame);
    EXPECT_NE(item.Pixels, kept.Pixels);
    EXPECT_NE(kept.Pixels.data(), item.Pixels.data());

    // Back to a vector, as a span, and assigned from a vector again.
    const Bytes back = kept.Pixels;
    EXPECT_EQ(back, frame);
    const std::span<const std::uint8_t> view = kept.Pixels;
    EXPECT_EQ(view.data(), kept.Pixels.data());
    EXPECT_EQ(view.size(), frame.size());
    item.Pixels = Bytes{1, 2, 3};
    EXPECT_EQ(item.Pixels, (Bytes{1, 2, 3}));

    item.Pixels.assign(kFrameSize, 4);
    EXPECT_EQ(item.Pixels, Bytes(kFrameSize, 4));
    item.Pixels.resize(kFrameSize + 2, 5);
    EXPECT_EQ(item.Pixels.size(), std::size_t(kFrameSize) + 2);
    EXPECT_EQ(item.Pixels[kFrameSize - 1], 4);
    EXPECT_EQ(item.Pixels.back(), 5);
    item.Pixels.clear();
    EXPECT_TRUE(item.Pixels.empty());
    EXPECT_THROW(item.Pixels.at(0), std::out_of_range);
}
