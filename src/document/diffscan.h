// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frame codec's inner loops, once per instruction set: finding the runs in which two frames
// differ, and copying long runs of pixels. Internal to the core; the tests and benchmarks use it
// to run every path the machine has.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Every x86-64 processor has SSE2: its path is chosen when compiling. Not all have AVX2, so its
// path is compiled alongside and chosen at run time. TESSA_SCALAR_CODEC forces the portable
// path, as on any other processor.
#if !defined(TESSA_SCALAR_CODEC) && defined(__SSE2__)
#define TESSA_CODEC_SSE2 1
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TESSA_CODEC_AVX2 1
#endif
#endif

// For the small helpers of the inner loops, which the compiler would otherwise call at -O2.
#if defined(__GNUC__) || defined(__clang__)
#define TESSA_INLINE inline __attribute__((always_inline))
#else
#define TESSA_INLINE inline
#endif

namespace tessa::diffscan {

// How far a scan has come: the offset of the next byte to look at (a multiple of 64 until the
// end), and whether the byte before it differs, that is, whether a run is open.
struct ScanState
{
    std::size_t next = 0;
    bool inRun = false;
};

// The free room findEdges needs in its output to go on: one 64-byte block's worth of edges.
inline constexpr std::size_t kEdgeRoom = 64;

struct Kernels
{
    // Appends to `edges` the offsets, from `state.next` on, at which the bytes of `a` and `b`
    // (both `size` long) turn from equal to different (a run starts) or back (it ends), in
    // order, and advances `state` past what it looked at. Stops at the end, where a run still
    // open is left open, or when fewer than kEdgeRoom of the `room` slots are left free.
    // Returns the number of edges appended.
    std::size_t (*findEdges)(const std::uint8_t *a, const std::uint8_t *b, std::size_t size,
                             ScanState &state, std::size_t *edges, std::size_t room);
    // Copies `size` >= 16 bytes between buffers that do not overlap. The vector paths avoid
    // memcpy, whose string instructions some x86 processors run many times slower when the
    // destination lies a few bytes after the source modulo a page; the portable path is memcpy.
    void (*copyLong)(std::uint8_t *to, const std::uint8_t *from, std::size_t size);
    const char *name;
};

enum class Path { Scalar, Sse2, Avx2 };

// The kernels of `path`, or nullptr when this build or this processor has no such path.
const Kernels *kernels(Path path);

// The fastest kernels this processor runs, chosen once.
const Kernels &bestKernels();

// encodeFrame and decodeFrame on the kernels of a given path.
void encodeFrameWith(const Kernels &kernels, std::span<const std::uint8_t> frame,
                     std::span<const std::uint8_t> reference, std::vector<std::uint8_t> &out);
bool decodeFrameWith(const Kernels &kernels, std::span<const std::uint8_t> stream,
                     std::span<std::uint8_t> frame);

// The kernels of each path; the vector ones exist only when their macro is defined.
extern const Kernels kScalarKernels;
extern const Kernels kSse2Kernels;
extern const Kernels kAvx2Kernels;

} // namespace tessa::diffscan
