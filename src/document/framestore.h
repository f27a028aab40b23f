// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace tessa {

// Memory for frames, in 2 MiB blocks aligned to 2 MiB that the system may back with huge pages,
// each cut into 32 slots of one frame. A long animation holds thousands of frames; taken from
// the heap, each of their 4 KiB pages costs a page fault the first time it is written, which is
// most of the time of opening a file. A huge page costs one fault per 32 frames.
//
// A freed slot is used again, lowest address first, and slots of partly used blocks go before
// wholly free ones, so that blocks empty out. A wholly free block is given back to the system,
// except for the last few (`spareBlocks`), kept for the next frames. Thread-safe.
class FrameStore
{
public:
    static constexpr std::size_t kBlockBytes = std::size_t(2) << 20;
    // One frame. Its offsets in a block differ by no multiple of 4 KiB, so copying a frame into
    // the next slot does not make loads wait on stores to an unrelated address.
    static constexpr std::size_t kSlotBytes = 64000;
    static constexpr std::size_t kSlotsPerBlock = 32;
    static constexpr std::size_t kDefaultSpareBlocks = 2;

    explicit FrameStore(std::size_t spareBlocks = kDefaultSpareBlocks);
    // Gives every block back: no slot may be in use any more.
    ~FrameStore();
    FrameStore(const FrameStore &) = delete;
    FrameStore &operator=(const FrameStore &) = delete;

    // The store of the whole program's frames. It is never destroyed, so frames held by static
    // objects may still be freed after main() has returned.
    static FrameStore &shared();

    // A slot of kSlotBytes bytes aligned to 64, its contents undefined; nullptr when the system
    // gives no more memory.
    std::uint8_t *allocate();
    // Gives back a slot that allocate() of this store returned.
    void release(std::uint8_t *slot);

    struct Usage
    {
        std::size_t slotsInUse = 0;
        std::size_t blocks = 0;     // blocks held now, spare ones included
        std::size_t peakBlocks = 0; // the most held since the last resetPeak()
    };
    Usage usage() const;
    void resetPeak();

private:
    struct Block
    {
        std::uint8_t *base;
        std::uint32_t freeSlots; // bit i set: slot i is free
    };
    static constexpr std::uint32_t kAllFree = 0xFFFFFFFFu;

    std::vector<Block>::iterator blockOf(const std::uint8_t *slot);

    mutable std::mutex m_mutex;
    std::vector<Block> m_blocks; // in address order
    std::size_t m_spareBlocks;
    std::size_t m_freeBlocks = 0; // blocks whose slots are all free
    std::size_t m_slotsInUse = 0;
    std::size_t m_peakBlocks = 0;
};

// Asks the system to back the whole 2 MiB pages within the `size` bytes at `bytes` with huge
// pages, for a large buffer of the heap that is about to be written for the first time (a file
// read whole, a file being built). Only a hint, and nothing where the system has no such pages.
void adviseHugePages(void *bytes, std::size_t size);

} // namespace tessa
