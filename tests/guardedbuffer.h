// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#include <unistd.h>
#define TESSA_HAVE_GUARD_PAGES 1
#endif

namespace tessa::test {

// `size` bytes that end exactly where an inaccessible page begins, so that reading or writing
// a single byte past them crashes the test instead of passing unnoticed. Where the system has
// no such pages it is a plain buffer.
class GuardedBuffer
{
public:
    explicit GuardedBuffer(std::size_t size)
    {
#ifdef TESSA_HAVE_GUARD_PAGES
        const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        m_length = (size + page - 1) / page * page + page;
        void *memory =
                mmap(nullptr, m_length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory != MAP_FAILED) {
            m_memory = static_cast<std::uint8_t *>(memory);
            mprotect(m_memory + m_length - page, page, PROT_NONE);
            m_bytes = {m_memory + m_length - page - size, size};
            return;
        }
#endif
        m_fallback.resize(size);
        m_bytes = m_fallback;
    }
    ~GuardedBuffer()
    {
#ifdef TESSA_HAVE_GUARD_PAGES
        if (m_memory)
            munmap(m_memory, m_length);
#endif
    }
    GuardedBuffer(const GuardedBuffer &) = delete;
    GuardedBuffer &operator=(const GuardedBuffer &) = delete;

    std::span<std::uint8_t> bytes() const
    {
        return m_bytes;
    }

private:
    std::uint8_t *m_memory = nullptr;
    std::size_t m_length = 0;
    std::vector<std::uint8_t> m_fallback;
    std::span<std::uint8_t> m_bytes;
};

} // namespace tessa::test
