// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The SSE2 path: 16 bytes compared per instruction, a 64-byte block's edges taken from one mask.
#include "diffscan.h"

#ifdef TESSA_CODEC_SSE2

#include <emmintrin.h>

#include <bit>

namespace tessa::diffscan {

namespace {

TESSA_INLINE __m128i load(const std::uint8_t *p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}

TESSA_INLINE __m128i equal(const std::uint8_t *a, const std::uint8_t *b)
{
    return _mm_cmpeq_epi8(load(a), load(b));
}

TESSA_INLINE std::uint64_t maskOf(__m128i bytes)
{
    return unsigned(_mm_movemask_epi8(bytes));
}

// Bit k set when byte k of `a` and `b` differ, for the 64 bytes there.
TESSA_INLINE std::uint64_t differMask(const std::uint8_t *a, const std::uint8_t *b)
{
    const std::uint64_t same = maskOf(equal(a, b)) | maskOf(equal(a + 16, b + 16)) << 16
                               | maskOf(equal(a + 32, b + 32)) << 32
                               | maskOf(equal(a + 48, b + 48)) << 48;
    return ~same;
}

// Past whole 128-byte stretches that are all equal (`same`) or all different, testing each
// with a single mask.
TESSA_INLINE std::size_t skipBlocks(const std::uint8_t *a, const std::uint8_t *b, std::size_t i,
                                    std::size_t size, bool same)
{
    for (; i + 128 <= size; i += 128) {
        const __m128i e0 = equal(a + i, b + i);
        const __m128i e1 = equal(a + i + 16, b + i + 16);
        const __m128i e2 = equal(a + i + 32, b + i + 32);
        const __m128i e3 = equal(a + i + 48, b + i + 48);
        const __m128i e4 = equal(a + i + 64, b + i + 64);
        const __m128i e5 = equal(a + i + 80, b + i + 80);
        const __m128i e6 = equal(a + i + 96, b + i + 96);
        const __m128i e7 = equal(a + i + 112, b + i + 112);
        if (same) {
            const __m128i all =
                    _mm_and_si128(_mm_and_si128(_mm_and_si128(e0, e1), _mm_and_si128(e2, e3)),
                                  _mm_and_si128(_mm_and_si128(e4, e5), _mm_and_si128(e6, e7)));
            if (_mm_movemask_epi8(all) != 0xFFFF)
                break;
        } else {
            const __m128i any =
                    _mm_or_si128(_mm_or_si128(_mm_or_si128(e0, e1), _mm_or_si128(e2, e3)),
                                 _mm_or_si128(_mm_or_si128(e4, e5), _mm_or_si128(e6, e7)));
            if (_mm_movemask_epi8(any) != 0)
                break;
        }
    }
    return i;
}

// Writes the offsets of the set bits of `edge` (not 0), plus `base`.
TESSA_INLINE std::size_t writeEdges(std::uint64_t edge, std::size_t base, std::size_t *edges)
{
    std::size_t count = 0;
    do {
        edges[count++] = base + unsigned(std::countr_zero(edge));
        edge &= edge - 1;
    } while (edge);
    return count;
}

#define TESSA_SCAN_TARGET
#include "diffscanloop.h"
#undef TESSA_SCAN_TARGET

void copyLongSse2(std::uint8_t *to, const std::uint8_t *from, std::size_t size)
{
    // Unaligned first and last 16 bytes, aligned stores in between.
    const __m128i head = load(from);
    const __m128i tail = load(from + size - 16);
    std::size_t i = 16 - (reinterpret_cast<std::uintptr_t>(to) & 15);
    for (; i + 64 <= size; i += 64) {
        const __m128i v0 = load(from + i);
        const __m128i v1 = load(from + i + 16);
        const __m128i v2 = load(from + i + 32);
        const __m128i v3 = load(from + i + 48);
        _mm_store_si128(reinterpret_cast<__m128i *>(to + i), v0);
        _mm_store_si128(reinterpret_cast<__m128i *>(to + i + 16), v1);
        _mm_store_si128(reinterpret_cast<__m128i *>(to + i + 32), v2);
        _mm_store_si128(reinterpret_cast<__m128i *>(to + i + 48), v3);
    }
    for (; i + 16 <= size; i += 16)
        _mm_store_si128(reinterpret_cast<__m128i *>(to + i), load(from + i));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(to), head);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(to + size - 16), tail);
}

} // namespace

const Kernels kSse2Kernels{findEdgesLoop, copyLongSse2, "sse2"};

} // namespace tessa::diffscan

#endif
