// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The portable path, eight bytes at a time in plain integers, and the choice of path.
#include "diffscan.h"

#include <bit>
#include <cstring>

namespace tessa::diffscan {

namespace {

using Word = std::uint64_t;

constexpr Word kLow7 = 0x7F7F7F7F7F7F7F7FULL;
constexpr Word kHigh = 0x8080808080808080ULL;

// Eight bytes with the first in memory as the lowest, whatever the processor's byte order.
TESSA_INLINE Word load(const std::uint8_t *p)
{
    Word word;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word);
    return word;
}

// 0x80 in every byte of `word` that is not zero, 0 in the others. No carry crosses a byte.
TESSA_INLINE Word nonZeroBytes(Word word)
{
    return (((word & kLow7) + kLow7) | word) & kHigh;
}

// Bit k set when byte k of `a` and `b` differ, for the 64 bytes there.
TESSA_INLINE std::uint64_t differMask(const std::uint8_t *a, const std::uint8_t *b)
{
    std::uint64_t mask = 0;
    for (int k = 0; k < 8; ++k) {
        const Word flags = nonZeroBytes(load(a + 8 * k) ^ load(b + 8 * k)) >> 7;
        // Gathers the low bit of each byte into the top byte, byte k to bit 56 + k.
        mask |= ((flags * 0x0102040810204080ULL) >> 56) << (8 * k);
    }
    return mask;
}

// Past whole 64-byte blocks that are all equal (`same`) or all different.
TESSA_INLINE std::size_t skipBlocks(const std::uint8_t *a, const std::uint8_t *b, std::size_t i,
                                    std::size_t size, bool same)
{
    for (; i + 64 <= size; i += 64) {
        Word found = 0;
        for (int k = 0; k < 8; ++k) {
            const Word x = load(a + i + 8 * k) ^ load(b + i + 8 * k);
            found |= same ? x : (~nonZeroBytes(x) & kHigh);
        }
        if (found)
            break;
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

void copyLongScalar(std::uint8_t *to, const std::uint8_t *from, std::size_t size)
{
    std::memcpy(to, from, size);
}

} // namespace

const Kernels kScalarKernels{findEdgesLoop, copyLongScalar, "scalar"};

const Kernels *kernels(Path path)
{
    switch (path) {
    case Path::Scalar:
        return &kScalarKernels;
    case Path::Sse2:
#ifdef TESSA_CODEC_SSE2
        return &kSse2Kernels;
#else
        return nullptr;
#endif
    case Path::Avx2:
#ifdef TESSA_CODEC_AVX2
        // These also check that the system saves the wide registers.
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") ? &kAvx2Kernels
                                                                               : nullptr;
#else
        return nullptr;
#endif
    }
    return nullptr;
}

const Kernels &bestKernels()
{
    static const Kernels *const best = [] {
        for (Path path : {Path::Avx2, Path::Sse2}) {
            if (const Kernels *found = kernels(path))
                return found;
        }
        return &kScalarKernels;
    }();
    return *best;
}

} // namespace tessa::diffscan
