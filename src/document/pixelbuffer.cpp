// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixelbuffer.h"

#include "framestore.h"

#include <cstring>
#include <new>

namespace tessa {

namespace {

// Frames, and buffers that grow into one, take a slot; half a slot or less would waste most of
// it, and larger buffers do not fit.
bool fitsSlot(std::size_t capacity)
{
    return capacity > FrameStore::kSlotBytes / 2 && capacity <= FrameStore::kSlotBytes;
}

} // namespace

void PixelBuffer::reserve(size_type count)
{
    if (count <= m_capacity)
        return;
    const size_type size = m_size;
    resizeStorage(count, true);
    m_size = size;
}

void PixelBuffer::shrink_to_fit()
{
    if (m_capacity == m_size || (m_inStore && fitsSlot(m_size)))
        return;
    PixelBuffer(begin(), end()).swap(*this);
}

void PixelBuffer::resizeStorage(size_type count, bool keep)
{
    if (count <= m_capacity) {
        m_size = count;
        return;
    }
    PixelBuffer fresh;
    if (fitsSlot(count)) {
        fresh.m_data = FrameStore::shared().allocate();
        fresh.m_inStore = fresh.m_data != nullptr;
        fresh.m_capacity = FrameStore::kSlotBytes;
    }
    if (!fresh.m_data) {
        // Memory the store could not map may still be on the heap; if not, this throws.
        fresh.m_data = new std::uint8_t[count];
        fresh.m_capacity = count;
    }
    if (keep && m_size > 0)
        std::memcpy(fresh.m_data, m_data, std::min(m_size, count));
    fresh.m_size = count;
    swap(fresh);
}

void PixelBuffer::deallocate() noexcept
{
    if (m_inStore)
        FrameStore::shared().release(m_data);
    else
        delete[] m_data;
    m_data = nullptr;
    m_size = m_capacity = 0;
    m_inStore = false;
}

} // namespace tessa
