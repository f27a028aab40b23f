// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A long animation end to end: built, saved, opened again and compared, with the memory measured
// exactly: the heap, and the blocks of the frame store where the frames live. Every image holds
// its complete frame, so a document needs about 64 KB per frame and not more: a reader that kept
// a second copy of the frames, or the streams beside them, shows here long before a user's
// machine runs out of memory.
//
// TESSA_SCALE_FRAMES sets the number of frames (10000 by default), for slow sanitizer builds.
#include "document/animfile.h"
#include "document/framestore.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

using namespace tessa;

namespace {

#ifdef _WIN32
std::size_t malloc_usable_size(void *memory)
{
    return _msize(memory);
}
#endif

// Bytes held through operator new, and the most held since the last resetPeak().
std::atomic<std::size_t> g_held{0};
std::atomic<std::size_t> g_peak{0};

void *allocate(std::size_t size)
{
    void *memory = std::malloc(size == 0 ? 1 : size);
    if (!memory)
        throw std::bad_alloc();
    const std::size_t held = g_held += malloc_usable_size(memory);
    std::size_t peak = g_peak.load();
    while (held > peak && !g_peak.compare_exchange_weak(peak, held)) {
    }
    return memory;
}

void release(void *memory)
{
    if (!memory)
        return;
    g_held -= malloc_usable_size(memory);
    std::free(memory);
}

// Heap and frame store together.
struct Memory
{
    std::size_t held = 0;     // the store's blocks counted whole
    std::size_t peak = 0;     // at least the most held at once since resetPeak()
    std::size_t inFrames = 0; // the store's slots in use only
};

std::size_t storeBytes(std::size_t blocks)
{
    return blocks * FrameStore::kBlockBytes;
}

Memory resetPeak()
{
    g_peak = g_held.load();
    FrameStore::shared().resetPeak();
    const FrameStore::Usage store = FrameStore::shared().usage();
    return Memory{g_held + storeBytes(store.blocks), g_peak + storeBytes(store.blocks),
                  g_held + store.slotsInUse * FrameStore::kSlotBytes};
}

Memory memoryNow()
{
    const FrameStore::Usage store = FrameStore::shared().usage();
    // The two peaks need not fall at the same moment: their sum is an upper bound.
    return Memory{g_held + storeBytes(store.blocks), g_peak + storeBytes(store.peakBlocks),
                  g_held + store.slotsInUse * FrameStore::kSlotBytes};
}

std::size_t frameCount()
{
    if (const char *text = std::getenv("TESSA_SCALE_FRAMES"))
        return std::strtoul(text, nullptr, 10);
    return 10000;
}

// Frame k differs from frame k - 1 in a few pixels, so the file stays small.
std::vector<std::uint8_t> nextFrame(std::vector<std::uint8_t> frame, std::size_t k)
{
    for (std::size_t i = 0; i < 3; ++i)
        frame[(k * 7919 + i * 21011) % frame.size()] = static_cast<std::uint8_t>(k + i);
    return frame;
}

} // namespace

void *operator new(std::size_t size)
{
    return allocate(size);
}
void *operator new[](std::size_t size)
{
    return allocate(size);
}
void operator delete(void *memory) noexcept
{
    release(memory);
}
void operator delete[](void *memory) noexcept
{
    release(memory);
}
void operator delete(void *memory, std::size_t) noexcept
{
    release(memory);
}
void operator delete[](void *memory, std::size_t) noexcept
{
    release(memory);
}

TEST(Scale, TenThousandFramesSaveAndOpenAtSixtyFourKilobytesEach)
{
    const std::size_t frames = frameCount();
    ASSERT_GT(frames, 1u);
    test::TempFolder folder;
    const std::string path = folder.file("LONGANIM.QLM");

    ItemList built;
    built.reserve(frames + 1);
    std::vector<std::uint8_t> frame(kFrameSize, 12);
    for (std::size_t k = 0; k < frames; ++k) {
        frame = nextFrame(std::move(frame), k);
        built.push_back(makeImageItem(frame));
    }
    built.push_back(makeEndItem());

    ASSERT_TRUE(saveAnimation(path, built));
    const std::size_t fileSize = std::filesystem::file_size(path);
    // Ten bytes of item header, six of end chunk, one copy chunk per changed pixel at most.
    EXPECT_LE(fileSize, frames * (16 + 3 * 7) + 64) << "each frame is stored as its changes";

    const Memory before = resetPeak();
    auto opened = loadAnimation(path);
    const Memory after = memoryNow();
    const std::size_t held = after.held - before.held;
    const std::size_t peak = after.peak - before.held;
    ASSERT_TRUE(opened);

    // A frame's slot with its share of the store's block, its small vectors and a share of the
    // list: at most 65 KB each, and the unused end of the store's last block.
    const std::size_t perFrame = FrameStore::kBlockBytes / FrameStore::kSlotsPerBlock + 1024;
    const std::size_t lastBlock = FrameStore::kBlockBytes;
    EXPECT_LE(held, frames * perFrame + lastBlock) << held / frames << " bytes per frame held";
    EXPECT_GE(after.inFrames - before.inFrames, frames * kFrameSize)
            << "every image holds its complete frame";
    // While reading, the file's bytes and the list's growth come on top, nothing per frame.
    EXPECT_LE(peak, frames * perFrame + lastBlock + 2 * fileSize + 3 * frames * sizeof(AnimItem))
            << peak / frames << " bytes per frame at the peak";

    ASSERT_EQ(opened->size(), frames + 1);
    EXPECT_TRUE(sameContent(*opened, built));
    for (std::size_t i = 0; i < opened->size(); ++i)
        ASSERT_EQ((*opened)[i].Number, static_cast<std::int32_t>(i + 1));
    EXPECT_EQ(opened->back().Code, kCodeEnd);

    // Saving the opened document again gives the same bytes.
    EXPECT_EQ(*writeAnimation(*opened), test::readBytes(path));
}
