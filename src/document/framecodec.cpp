// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framecodec.h"

#include "diffscan.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace tessa {

namespace {

constexpr std::size_t kHeaderSize = 6;

// Run edges gathered per call of the scanning kernel: enough to make the calls cost nothing, few
// enough to stay in the first-level cache.
constexpr std::size_t kEdgeBatch = 512;

// Short runs are copied in whole 16-byte pieces that may write past the run; the next chunk
// overwrites the excess, and after the last one it falls into this slack, cut off at the end.
constexpr std::size_t kSlack = 32;

// Writes the header of a copy chunk as one 8-byte store; its last two bytes fall where the
// pixels go next (or into the slack). Words wider than 16 bits (frames larger than the game's)
// keep their low bits.
void storeHeader(std::uint8_t *at, std::size_t offset, std::size_t length)
{
    const std::uint64_t header =
            1 | std::uint64_t(offset & 0xFFFF) << 16 | std::uint64_t(length & 0xFFFF) << 32;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &header, sizeof header);
    } else {
        for (std::size_t b = 0; b < sizeof header; ++b)
            at[b] = static_cast<std::uint8_t>(header >> (8 * b));
    }
}

std::size_t wordAt(const std::uint8_t *at)
{
    return at[0] | std::size_t(at[1]) << 8;
}

std::uint64_t load64(const std::uint8_t *at)
{
    std::uint64_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// Writes `length` bytes at `to`, and no others: the frame keeps the pixels around them. `room`
// is how many bytes both buffers hold from `to` and `from` on.
void copyPixels(const diffscan::Kernels &kernels, std::uint8_t *to, const std::uint8_t *from,
                std::size_t length, std::size_t room)
{
    if (length == 1) {
        // Single pixels get a store of their own: merging eight bytes would read back what
        // the chunk before just wrote nearby, which stalls.
        *to = *from;
    } else if (length - 2 < 7 && room >= 8) {
        // Two to eight bytes, the commonest other chunks, without a branch on the length: eight
        // bytes read from both, the first `length` of the stream's put over the frame's.
        const unsigned keep = 8 * unsigned(8 - length);
        const std::uint64_t mask = std::endian::native == std::endian::little
                                           ? ~std::uint64_t(0) >> keep
                                           : ~std::uint64_t(0) << keep;
        const std::uint64_t merged = (load64(from) & mask) | (load64(to) & ~mask);
        std::memcpy(to, &merged, sizeof merged);
    } else if (length <= 16) {
        // Two fixed-size copies that overlap in the middle instead of a loop or a call.
        if (length >= 8) {
            std::memcpy(to, from, 8);
            std::memcpy(to + length - 8, from + length - 8, 8);
        } else if (length >= 4) {
            std::memcpy(to, from, 4);
            std::memcpy(to + length - 4, from + length - 4, 4);
        } else if (length >= 2) {
            std::memcpy(to, from, 2);
            std::memcpy(to + length - 2, from + length - 2, 2);
        }
    } else if (length <= 32) {
        std::memcpy(to, from, 16);
        std::memcpy(to + length - 16, from + length - 16, 16);
    } else {
        kernels.copyLong(to, from, length);
    }
}

// Appends the chunks of the runs between `edges` taken in pairs (start, end).
void appendChunks(const diffscan::Kernels &kernels, const std::uint8_t *pixels,
                  std::size_t pixelsSize, const std::size_t *edges, std::size_t runs,
                  std::vector<std::uint8_t> &out)
{
    if (runs == 0)
        return;
    // The exact size is known: grow the output once, then write in place.
    std::size_t bytes = runs * kHeaderSize;
    for (std::size_t r = 0; r < runs; ++r)
        bytes += edges[2 * r + 1] - edges[2 * r];
    const std::size_t at = out.size();
    out.resize(at + bytes + kSlack);
    std::uint8_t *to = out.data() + at;
    for (std::size_t r = 0; r < runs; ++r) {
        const std::size_t start = edges[2 * r];
        const std::size_t length = edges[2 * r + 1] - start;
        storeHeader(to, start, length);
        to += kHeaderSize;
        const std::uint8_t *from = pixels + start;
        if (length <= 32 && pixelsSize - start >= 32) {
            std::memcpy(to, from, 16);
            if (length > 16)
                std::memcpy(to + 16, from + 16, 16);
        } else if (length >= 16) {
            kernels.copyLong(to, from, length);
        } else {
            std::memcpy(to, from, length);
        }
        to += length;
    }
    out.resize(at + bytes);
}

// Hands the runs in which `frame` and `reference` differ (over the shorter of the two) to
// `onRuns(edges, runs)` batch by batch, in offset order: `edges` holds them as pairs (start, end).
template<typename OnRuns>
void forEachRunBatch(const diffscan::Kernels &kernels, std::span<const std::uint8_t> frame,
                     std::span<const std::uint8_t> reference, OnRuns &&onRuns)
{
    const std::size_t size = std::min(frame.size(), reference.size());
    std::size_t edges[kEdgeBatch];
    std::size_t count = 0;
    diffscan::ScanState state;
    for (;;) {
        count += kernels.findEdges(frame.data(), reference.data(), size, state, edges + count,
                                   kEdgeBatch - count);
        const bool finished = state.next >= size;
        if (finished && count % 2 == 1)
            edges[count++] = size; // the last run reaches the end
        onRuns(static_cast<const std::size_t *>(edges), count / 2);
        if (finished)
            break;
        // A run still open moves to the front of the next batch.
        if (count % 2 == 1) {
            edges[0] = edges[count - 1];
            count = 1;
        } else {
            count = 0;
        }
    }
}

} // namespace

void diffscan::encodeFrameWith(const Kernels &kernels, std::span<const std::uint8_t> frame,
                               std::span<const std::uint8_t> reference,
                               std::vector<std::uint8_t> &out)
{
    forEachRunBatch(kernels, frame, reference, [&](const std::size_t *edges, std::size_t runs) {
        appendChunks(kernels, frame.data(), frame.size(), edges, runs, out);
    });
    out.insert(out.end(), kHeaderSize, 0);
}

bool diffscan::decodeFrameWith(const Kernels &kernels, std::span<const std::uint8_t> stream,
                               std::span<std::uint8_t> frame)
{
    const std::uint8_t *bytes = stream.data();
    const std::size_t size = stream.size();
    const std::size_t frameSize = frame.size();
    std::size_t at = 0;
    while (at < size) {
        const std::size_t left = size - at;
        if (left < 2)
            return false;
        const std::size_t type = wordAt(bytes + at);
        if (type == 0)
            return true;
        // 1, and any type with the top bit set, is a copy chunk; 2 to 7FFF are errors.
        if (type != 1 && type < 0x8000)
            return false;
        if (left < kHeaderSize)
            return false;
        const std::size_t offset = wordAt(bytes + at + 2);
        const std::size_t length = wordAt(bytes + at + 4);
        at += kHeaderSize;
        if (length > left - kHeaderSize || offset > frameSize || length > frameSize - offset)
            return false;
        copyPixels(kernels, frame.data() + offset, bytes + at, length,
                   std::min(size - at, frameSize - offset));
        at += length;
    }
    return true;
}

std::uint8_t mostFrequentIndex(std::span<const std::uint8_t> frame)
{
    std::array<std::uint32_t, 256> count{};
    for (std::uint8_t index : frame)
        ++count[index];
    // max_element returns the first of equal maxima: the smallest index wins a tie.
    return static_cast<std::uint8_t>(std::max_element(count.begin(), count.end()) - count.begin());
}

std::uint8_t GetBackgroundColor(const ItemList &items)
{
    return items.empty() ? 0 : mostFrequentIndex(items.front().Pixels);
}

void encodeFrame(std::span<const std::uint8_t> frame, std::span<const std::uint8_t> reference,
                 std::vector<std::uint8_t> &out)
{
    diffscan::encodeFrameWith(diffscan::bestKernels(), frame, reference, out);
}

FrameChanges measureFrame(std::span<const std::uint8_t> frame,
                          std::span<const std::uint8_t> reference)
{
    FrameChanges changes;
    forEachRunBatch(diffscan::bestKernels(), frame, reference,
                    [&](const std::size_t *edges, std::size_t runs) {
                        changes.runs += runs;
                        for (std::size_t r = 0; r < runs; ++r)
                            changes.pixels += edges[2 * r + 1] - edges[2 * r];
                    });
    return changes;
}

bool decodeFrame(std::span<const std::uint8_t> stream, std::span<std::uint8_t> frame)
{
    return diffscan::decodeFrameWith(diffscan::bestKernels(), stream, frame);
}

void EncodeImage(ItemList &items, int k, std::uint8_t background)
{
    AnimItem &item = items[static_cast<std::size_t>(k)];
    const int previous = FindPreviousImage(items, k);
    item.Data.clear();
    if (previous >= 0) {
        encodeFrame(item.Pixels, items[static_cast<std::size_t>(previous)].Pixels, item.Data);
    } else {
        const std::vector<std::uint8_t> reference(item.Pixels.size(), background);
        encodeFrame(item.Pixels, reference, item.Data);
    }
    item.DataSize = static_cast<std::int32_t>(item.Data.size());
}

bool PrepareImage(ItemList &items, int k)
{
    AnimItem &item = items[static_cast<std::size_t>(k)];
    const int previous = FindPreviousImage(items, k);
    const auto payloadSize = static_cast<std::size_t>(std::max(item.DataSize, 0));
    std::span<const std::uint8_t> stream(item.Data.data(), std::min(payloadSize, item.Data.size()));
    if (previous >= 0) {
        item.Pixels = items[static_cast<std::size_t>(previous)].Pixels;
    } else {
        if (stream.empty())
            return false; // no background byte
        item.Pixels.assign(kFrameSize, stream.front());
        stream = stream.subspan(1);
    }
    return decodeFrame(stream, item.Pixels);
}

} // namespace tessa
