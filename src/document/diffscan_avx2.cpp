// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The AVX2 path: 32 bytes compared per instruction, 128 per test over quiet stretches. Only
// these functions are compiled for AVX2 (with BMI, which every AVX2 processor has),
// by attribute rather than by a flag for the whole file, so that no inline code shared with
// the rest of the program is ever built for it; only a processor that has it calls them.
#include "diffscan.h"

#ifdef TESSA_CODEC_AVX2

#include <immintrin.h>

#define TESSA_AVX2 __attribute__((target("avx2,bmi")))

namespace tessa::diffscan {

namespace {

TESSA_AVX2 TESSA_INLINE __m256i load(const std::uint8_t *p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
}

TESSA_AVX2 TESSA_INLINE __m256i equal(const std::uint8_t *a, const std::uint8_t *b)
{
    return _mm256_cmpeq_epi8(load(a), load(b));
}

TESSA_AVX2 TESSA_INLINE std::uint64_t maskOf(__m256i bytes)
{
    return unsigned(_mm256_movemask_epi8(bytes));
}

TESSA_AVX2 TESSA_INLINE std::uint64_t differMask(const std::uint8_t *a, const std::uint8_t *b)
{
    return ~(maskOf(equal(a, b)) | maskOf(equal(a + 32, b + 32)) << 32);
}

TESSA_AVX2 TESSA_INLINE std::size_t skipBlocks(const std::uint8_t *a, const std::uint8_t *b,
                                               std::size_t i, std::size_t size, bool same)
{
    for (; i + 128 <= size; i += 128) {
        const __m256i e0 = equal(a + i, b + i);
        const __m256i e1 = equal(a + i + 32, b + i + 32);
        const __m256i e2 = equal(a + i + 64, b + i + 64);
        const __m256i e3 = equal(a + i + 96, b + i + 96);
        if (same) {
            const __m256i all =
                    _mm256_and_si256(_mm256_and_si256(e0, e1), _mm256_and_si256(e2, e3));
            if (unsigned(_mm256_movemask_epi8(all)) != 0xFFFFFFFFu)
                break;
        } else {
            const __m256i any = _mm256_or_si256(_mm256_or_si256(e0, e1), _mm256_or_si256(e2, e3));
            if (_mm256_movemask_epi8(any) != 0)
                break;
        }
    }
    return i;
}

// Writes the offsets of the set bits of `edge` (not 0), plus `base`.
TESSA_AVX2 TESSA_INLINE std::size_t writeEdges(std::uint64_t edge, std::size_t base,
                                               std::size_t *edges)
{
    std::size_t count = 0;
    do {
        edges[count++] = base + _tzcnt_u64(edge);
        edge = _blsr_u64(edge);
    } while (edge);
    return count;
}

#define TESSA_SCAN_TARGET TESSA_AVX2
#include "diffscanloop.h"
#undef TESSA_SCAN_TARGET

TESSA_AVX2 void copyLongAvx2(std::uint8_t *to, const std::uint8_t *from, std::size_t size)
{
    if (size < 64) {
        // Two copies overlapping in the middle: 16 bytes each below 32, else 32.
        if (size < 32) {
            const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
            const __m128i tail =
                    _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + size - 16));
            _mm_storeu_si128(reinterpret_cast<__m128i *>(to), head);
            _mm_storeu_si128(reinterpret_cast<__m128i *>(to + size - 16), tail);
        } else {
            const __m256i head = load(from);
            const __m256i tail = load(from + size - 32);
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(to), head);
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(to + size - 32), tail);
        }
        return;
    }
    // Unaligned first and last 32 bytes, aligned stores in between.
    const __m256i head = load(from);
    const __m256i tail = load(from + size - 32);
    std::size_t i = 32 - (reinterpret_cast<std::uintptr_t>(to) & 31);
    for (; i + 128 <= size; i += 128) {
        const __m256i v0 = load(from + i);
        const __m256i v1 = load(from + i + 32);
        const __m256i v2 = load(from + i + 64);
        const __m256i v3 = load(from + i + 96);
        _mm256_store_si256(reinterpret_cast<__m256i *>(to + i), v0);
        _mm256_store_si256(reinterpret_cast<__m256i *>(to + i + 32), v1);
        _mm256_store_si256(reinterpret_cast<__m256i *>(to + i + 64), v2);
        _mm256_store_si256(reinterpret_cast<__m256i *>(to + i + 96), v3);
    }
    for (; i + 32 <= size; i += 32)
        _mm256_store_si256(reinterpret_cast<__m256i *>(to + i), load(from + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(to), head);
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(to + size - 32), tail);
}

} // namespace

const Kernels kAvx2Kernels{findEdgesLoop, copyLongAvx2, "avx2"};

} // namespace tessa::diffscan

#endif
