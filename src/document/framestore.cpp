// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framestore.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <functional>
#include <new>

#if !defined(_WIN32) && __has_include(<sys/mman.h>)
#include <sys/mman.h>
#define TESSA_FRAMESTORE_MMAP 1
#endif

namespace tessa {

static_assert(FrameStore::kSlotsPerBlock * FrameStore::kSlotBytes <= FrameStore::kBlockBytes);
static_assert(FrameStore::kSlotsPerBlock == 32, "one bit of Block::freeSlots per slot");
static_assert(FrameStore::kSlotBytes % 64 == 0, "slots aligned like the blocks' cache lines");

namespace {

#ifdef TESSA_FRAMESTORE_MMAP

// Anonymous memory has only page alignment: map twice the size and cut off what lies outside
// the aligned block.
std::uint8_t *mapBlock()
{
    const std::size_t size = 2 * FrameStore::kBlockBytes;
    void *mapped =
            ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned =
            (start + FrameStore::kBlockBytes - 1) & ~std::uintptr_t(FrameStore::kBlockBytes - 1);
    if (aligned > start)
        ::munmap(mapped, aligned - start);
    const std::uintptr_t end = aligned + FrameStore::kBlockBytes;
    if (start + size > end)
        ::munmap(reinterpret_cast<void *>(end), start + size - end);
    auto *block = reinterpret_cast<std::uint8_t *>(aligned);
#ifdef MADV_HUGEPAGE
    // Only a hint: where huge pages are off or none is free, the block has ordinary pages.
    ::madvise(block, FrameStore::kBlockBytes, MADV_HUGEPAGE);
#endif
    return block;
}

void unmapBlock(std::uint8_t *block)
{
    ::munmap(block, FrameStore::kBlockBytes);
}

#else

// Without mmap (Windows): aligned blocks from the heap, with the system's ordinary pages.
std::uint8_t *mapBlock()
{
    return static_cast<std::uint8_t *>(::operator new(
            FrameStore::kBlockBytes, std::align_val_t(FrameStore::kBlockBytes), std::nothrow));
}

void unmapBlock(std::uint8_t *block)
{
    ::operator delete(block, std::align_val_t(FrameStore::kBlockBytes));
}

#endif

} // namespace

void adviseHugePages(void *bytes, std::size_t size)
{
#if defined(TESSA_FRAMESTORE_MMAP) && defined(MADV_HUGEPAGE)
    const auto start = reinterpret_cast<std::uintptr_t>(bytes);
    const std::uintptr_t mask = FrameStore::kBlockBytes - 1;
    const std::uintptr_t first = (start + mask) & ~mask;
    const std::uintptr_t last = (start + size) & ~mask;
    if (bytes && last > first)
        ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#else
    (void)bytes;
    (void)size;
#endif
}

FrameStore::FrameStore(std::size_t spareBlocks)
    : m_spareBlocks(spareBlocks)
{
}

FrameStore::~FrameStore()
{
    assert(m_slotsInUse == 0);
    for (const Block &block : m_blocks)
        unmapBlock(block.base);
}

FrameStore &FrameStore::shared()
{
    // A union member is not destroyed with the union.
    union Holder {
        Holder()
            : store()
        {
        }
        ~Holder() {}
        FrameStore store;
    };
    static Holder holder;
    return holder.store;
}

std::uint8_t *FrameStore::allocate()
{
    const std::lock_guard lock(m_mutex);
    // The lowest partly used block first; a wholly free one only when none has room.
    auto chosen = std::find_if(m_blocks.begin(), m_blocks.end(), [](const Block &block) {
        return block.freeSlots != 0 && block.freeSlots != kAllFree;
    });
    if (chosen == m_blocks.end()) {
        chosen = std::find_if(m_blocks.begin(), m_blocks.end(),
                              [](const Block &block) { return block.freeSlots == kAllFree; });
    }
    if (chosen == m_blocks.end()) {
        std::uint8_t *base = mapBlock();
        if (!base)
            return nullptr;
        const Block block{base, kAllFree};
        chosen = m_blocks.insert(std::upper_bound(m_blocks.begin(), m_blocks.end(), base,
                                                  [](const std::uint8_t *at, const Block &b) {
                                                      return std::less<>()(at, b.base);
                                                  }),
                                 block);
        ++m_freeBlocks;
        m_peakBlocks = std::max(m_peakBlocks, m_blocks.size());
    }
    if (chosen->freeSlots == kAllFree)
        --m_freeBlocks;
    const int slot = std::countr_zero(chosen->freeSlots);
    chosen->freeSlots &= ~(std::uint32_t(1) << slot);
    ++m_slotsInUse;
    return chosen->base + std::size_t(slot) * kSlotBytes;
}

void FrameStore::release(std::uint8_t *slot)
{
    if (!slot)
        return;
    const std::lock_guard lock(m_mutex);
    const auto block = blockOf(slot);
    assert(block != m_blocks.end());
    const auto index = static_cast<std::size_t>(slot - block->base) / kSlotBytes;
    assert((block->freeSlots & (std::uint32_t(1) << index)) == 0);
    block->freeSlots |= std::uint32_t(1) << index;
    --m_slotsInUse;
    if (block->freeSlots != kAllFree)
        return;
    if (m_freeBlocks < m_spareBlocks) {
        ++m_freeBlocks;
        return;
    }
    unmapBlock(block->base);
    m_blocks.erase(block);
}

FrameStore::Usage FrameStore::usage() const
{
    const std::lock_guard lock(m_mutex);
    return Usage{m_slotsInUse, m_blocks.size(), m_peakBlocks};
}

void FrameStore::resetPeak()
{
    const std::lock_guard lock(m_mutex);
    m_peakBlocks = m_blocks.size();
}

std::vector<FrameStore::Block>::iterator FrameStore::blockOf(const std::uint8_t *slot)
{
    // Blocks are aligned to their size: the block of a slot is its address rounded down.
    const auto *base = reinterpret_cast<const std::uint8_t *>(reinterpret_cast<std::uintptr_t>(slot)
                                                              & ~std::uintptr_t(kBlockBytes - 1));
    const auto found = std::lower_bound(m_blocks.begin(), m_blocks.end(), base,
                                        [](const Block &block, const std::uint8_t *at) {
                                            return std::less<>()(block.base, at);
                                        });
    return found != m_blocks.end() && found->base == base ? found : m_blocks.end();
}

} // namespace tessa
