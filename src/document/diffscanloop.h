// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The scanning loop of every path, written once. Each path's file includes it (no include
// guard: once per file, in its own anonymous namespace) after defining
//   TESSA_SCAN_TARGET    the function attributes of its instruction set (empty for none),
//   differMask(a, b)     bit k set when byte k of the 64 bytes at a and b differ,
//   skipBlocks(a, b, i, size, same)  the offset past the quiet stretch from i on,
//   writeEdges(edge, base, edges)    the offsets of the set bits of edge (not 0) plus base,
// and gets findEdgesLoop, the Kernels::findEdges of that path. A template cannot carry the
// attributes the AVX2 path needs, hence the inclusion.

TESSA_SCAN_TARGET std::size_t findEdgesLoop(const std::uint8_t *a, const std::uint8_t *b,
                                            std::size_t size, ScanState &state, std::size_t *edges,
                                            std::size_t room)
{
    std::size_t count = 0;
    std::size_t i = state.next;
    std::uint64_t open = state.inRun;
    while (i < size && room - count >= kEdgeRoom) {
        std::size_t width = 64;
        std::uint64_t differ = 0;
        if (size - i >= 64) {
            differ = differMask(a + i, b + i);
        } else if (size >= 64) {
            // The last, partial block: the final 64 bytes, shifted past those already seen.
            width = size - i;
            differ = differMask(a + size - 64, b + size - 64) >> (64 - width);
        } else {
            width = size - i;
            for (std::size_t k = 0; k < width; ++k)
                differ |= std::uint64_t(a[i + k] != b[i + k]) << k;
        }
        // An edge wherever a byte's state differs from the one before it.
        std::uint64_t edge = differ ^ ((differ << 1) | open);
        if (width < 64)
            edge &= (std::uint64_t(1) << width) - 1;
        open = (differ >> (width - 1)) & 1;
        if (edge == 0) {
            i = skipBlocks(a, b, i + width, size, !open);
            continue;
        }
        count += writeEdges(edge, i, edges + count);
        i += width;
    }
    state = {i, open != 0};
    return count;
}
