// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifframeencoder.h"

#include "document/animitem.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

namespace tessa {

namespace {

constexpr std::uint32_t kRgb = 0xFFFFFF;
// The rows a large rectangle's candidates are compared on.
constexpr int kSampleRows = 40;

// The changed source pixels and the rectangle around them (right and bottom excluded).
struct Changes
{
    std::vector<std::uint8_t> changed; // one flag a source pixel
    int left = kFrameWidth;
    int top = kFrameHeight;
    int right = 0;
    int bottom = 0;

    bool empty() const { return right <= left; }
};

bool sameColour(const GifScreen &a, std::uint8_t indexA, const GifScreen &b, std::uint8_t indexB)
{
    return ((a.colors[indexA] ^ b.colors[indexB]) & kRgb) == 0;
}

// Flags the pixels of one row whose colour changes. In the same palette most pixels keep their
// index, which is a plain byte comparison; only a changed index may still show the same colour.
void flagChangedRow(const GifScreen &before, const GifScreen &after, bool samePalette,
                    std::size_t row, std::uint8_t *flags)
{
    const std::uint8_t *was = before.pixels.data() + row;
    const std::uint8_t *now = after.pixels.data() + row;
    if (!samePalette) {
        for (int x = 0; x < kFrameWidth; ++x)
            flags[x] = !sameColour(before, was[x], after, now[x]);
        return;
    }
    static_assert(kFrameWidth % 8 == 0);
    std::memset(flags, 0, kFrameWidth);
    for (int eight = 0; eight < kFrameWidth; eight += 8) {
        if (std::memcmp(was + eight, now + eight, 8) == 0)
            continue;
        for (int x = eight; x < eight + 8; ++x)
            flags[x] = was[x] != now[x] && !sameColour(before, was[x], after, now[x]);
    }
}

Changes findChanges(const GifScreen *before, const GifScreen &after)
{
    Changes found;
    found.changed.assign(kFrameSize, 1);
    if (!before) {
        found.left = found.top = 0;
        found.right = kFrameWidth;
        found.bottom = kFrameHeight;
        return found;
    }
    const bool samePalette = before->colors == after.colors;
    for (int y = 0; y < kFrameHeight; ++y) {
        const std::size_t row = std::size_t(y) * kFrameWidth;
        std::uint8_t *flags = found.changed.data() + row;
        flagChangedRow(*before, after, samePalette, row, flags);
        const std::uint8_t *start = flags;
        const std::uint8_t *end = start + kFrameWidth;
        const std::uint8_t *first = std::find(start, end, 1);
        if (first == end)
            continue;
        const std::uint8_t *last =
                std::find(std::make_reverse_iterator(end), std::make_reverse_iterator(first), 1)
                        .base();
        found.left = std::min(found.left, int(first - start));
        found.right = std::max(found.right, int(last - start));
        found.top = std::min(found.top, y);
        found.bottom = y + 1;
    }
    return found;
}

// One way to write the rectangle: the table index of every pixel, in source pixels.
struct Candidate
{
    std::vector<std::uint8_t> indices;
    // Where it differs from `indices`, an unchanged pixel's own colour instead of the
    // transparent index: either will do (compressGifPixelsChoosing). Empty: no choices.
    std::vector<std::uint8_t> alternatives;
    std::vector<std::uint32_t> localColors; // empty: the global table
    int transparent = -1;
    int tableBits = 8;
    // Every unchanged pixel may be written as its own colour too: whatever the same table with
    // the unchanged pixels kept compresses to, this one can choose as well.
    bool mayKeepAll = false;
};

// The indices the rectangle shows: anywhere in it, and in its changed pixels.
struct IndicesUsed
{
    std::array<std::uint8_t, 256> anywhere{};
    std::array<std::uint8_t, 256> byChanged{};
};

IndicesUsed indicesUsed(const GifScreen &after, const Changes &changes)
{
    IndicesUsed used;
    for (int y = changes.top; y < changes.bottom; ++y) {
        const std::size_t row = std::size_t(y) * kFrameWidth;
        for (int x = changes.left; x < changes.right; ++x) {
            const std::uint8_t index = after.pixels[row + std::size_t(x)];
            used.anywhere[index] = 1;
            used.byChanged[index] |= changes.changed[row + std::size_t(x)];
        }
    }
    return used;
}

// A table of the colours some indices show, one entry a colour however many indices show it.
struct LocalTable
{
    std::array<int, 256> entryOf; // -1: not in the table
    std::vector<std::uint32_t> colors;
};

LocalTable localTable(const GifScreen &after, const std::array<std::uint8_t, 256> &needed)
{
    LocalTable table;
    table.entryOf.fill(-1);
    for (int index = 0; index < 256; ++index) {
        if (!needed[std::size_t(index)])
            continue;
        const std::uint32_t color = after.colors[std::size_t(index)] & kRgb;
        const auto known = std::find(table.colors.begin(), table.colors.end(), color);
        table.entryOf[std::size_t(index)] = int(known - table.colors.begin());
        if (known == table.colors.end())
            table.colors.push_back(color);
    }
    return table;
}

// The bits of a local table's index: the colours, and the transparent entry when there is one.
int localTableBits(const LocalTable &table, bool transparent)
{
    const int entries = int(table.colors.size()) + (transparent ? 1 : 0);
    return std::max(1, int(std::bit_width(unsigned(entries - 1))));
}

// The rectangle in a local table of the colours its pixels need (only the changed ones when
// `changedOnly`); nothing when it would not be smaller than the global one.
std::optional<Candidate> localCandidate(const GifScreen &after, const Changes &changes,
                                        const IndicesUsed &used, bool changedOnly)
{
    LocalTable table = localTable(after, changedOnly ? used.byChanged : used.anywhere);
    const std::array<int, 256> &entryOf = table.entryOf;
    std::vector<std::uint32_t> &colors = table.colors;
    Candidate candidate;
    candidate.mayKeepAll = true;
    const int entries = int(colors.size()) + (changedOnly ? 1 : 0);
    if (entries > 128)
        return std::nullopt;
    candidate.tableBits = localTableBits(table, changedOnly);
    candidate.transparent = changedOnly ? int(colors.size()) : -1;
    candidate.localColors = std::move(colors);
    candidate.localColors.resize(std::size_t(1) << candidate.tableBits, 0);
    const int width = changes.right - changes.left;
    candidate.indices.resize(std::size_t(width) * std::size_t(changes.bottom - changes.top));
    if (changedOnly)
        candidate.alternatives.resize(candidate.indices.size());
    std::size_t out = 0;
    for (int y = changes.top; y < changes.bottom; ++y) {
        for (int x = changes.left; x < changes.right; ++x, ++out) {
            const std::size_t at = std::size_t(y) * kFrameWidth + std::size_t(x);
            const int entry = entryOf[after.pixels[at]];
            if (!changedOnly) {
                candidate.indices[out] = std::uint8_t(entry);
            } else if (changes.changed[at]) {
                candidate.indices[out] = candidate.alternatives[out] = std::uint8_t(entry);
            } else {
                // Its colour may be in the table for the changed pixels.
                candidate.indices[out] = std::uint8_t(candidate.transparent);
                candidate.alternatives[out] =
                        std::uint8_t(entry >= 0 ? entry : candidate.transparent);
                candidate.mayKeepAll = candidate.mayKeepAll && entry >= 0;
            }
        }
    }
    return candidate;
}

// The rectangle in the global table's order (a fade step: the screen's own palette in that order,
// as a local table), unchanged pixels kept or, when some entry is not needed by a changed one,
// left transparent. Its codes are as short as the last entry a pixel needs allows; an unchanged
// pixel whose own entry lies beyond may only be transparent.
std::optional<Candidate> paletteCandidate(const GifScreen &after, const Changes &changes,
                                          const IndicesUsed &used, const GifGlobalTable &global,
                                          bool transparent)
{
    const std::array<std::uint8_t, 256> &entryOf = global.entryOf;
    const std::array<std::uint8_t, 256> &needed = transparent ? used.byChanged : used.anywhere;
    std::array<std::uint8_t, 256> entryUsed{};
    int last = 0;
    for (int index = 0; index < 256; ++index) {
        if (!needed[std::size_t(index)])
            continue;
        entryUsed[entryOf[std::size_t(index)]] = 1;
        last = std::max(last, int(entryOf[std::size_t(index)]));
    }
    Candidate candidate;
    if (transparent) {
        const auto unused = std::find(entryUsed.begin(), entryUsed.end(), 0);
        if (unused == entryUsed.end())
            return std::nullopt;
        candidate.transparent = int(unused - entryUsed.begin());
        last = std::max(last, candidate.transparent);
    }
    candidate.tableBits = std::max(1, int(std::bit_width(unsigned(last))));
    const int entries = 1 << candidate.tableBits;
    candidate.mayKeepAll = transparent;
    const int width = changes.right - changes.left;
    candidate.indices.resize(std::size_t(width) * std::size_t(changes.bottom - changes.top));
    if (transparent)
        candidate.alternatives.resize(candidate.indices.size());
    std::size_t out = 0;
    for (int y = changes.top; y < changes.bottom; ++y) {
        const std::size_t row = std::size_t(y) * kFrameWidth;
        for (int x = changes.left; x < changes.right; ++x, ++out) {
            const std::uint8_t entry = entryOf[after.pixels[row + std::size_t(x)]];
            candidate.indices[out] = entry;
            if (!transparent)
                continue;
            candidate.alternatives[out] = entry;
            if (changes.changed[row + std::size_t(x)])
                continue;
            candidate.indices[out] = std::uint8_t(candidate.transparent);
            if (entry >= entries) {
                candidate.alternatives[out] = std::uint8_t(candidate.transparent);
                candidate.mayKeepAll = false;
            }
        }
    }
    return candidate;
}

// Compresses a candidate enlarged to output pixels.
std::optional<GifFrameCode> compressCandidate(const Candidate &candidate, const Changes &changes,
                                              const ScreenScaler &scaler)
{
    const int scale = scaler.width() / kFrameWidth;
    const int sourceWidth = changes.right - changes.left;
    GifFrameCode frame;
    frame.left = changes.left * scale;
    frame.width = sourceWidth * scale;
    int firstRow = 0;
    while (scaler.sourceRow(firstRow) < changes.top)
        ++firstRow;
    int endRow = firstRow;
    while (endRow < scaler.height() && scaler.sourceRow(endRow) < changes.bottom)
        ++endRow;
    frame.top = firstRow;
    frame.height = endRow - firstRow;

    const auto enlarge = [&](const std::vector<std::uint8_t> &source) {
        std::vector<std::uint8_t> pixels(std::size_t(frame.width) * std::size_t(frame.height));
        for (int row = firstRow; row < endRow; ++row) {
            std::uint8_t *target = pixels.data() + std::size_t(row - firstRow) * frame.width;
            const std::uint8_t *from =
                    source.data()
                    + std::size_t(scaler.sourceRow(row) - changes.top) * std::size_t(sourceWidth);
            if (scale == 1) {
                std::memcpy(target, from, std::size_t(sourceWidth));
                continue;
            }
            for (int x = 0; x < sourceWidth; ++x)
                std::memset(target + std::size_t(x) * std::size_t(scale), from[x],
                            std::size_t(scale));
        }
        return pixels;
    };
    std::vector<std::uint8_t> pixels = enlarge(candidate.indices);
    const int codeSize = std::max(2, candidate.tableBits);
    auto code =
            candidate.alternatives.empty()
                    ? compressGifPixels(pixels, frame.width, frame.height, frame.width, codeSize)
                    : compressGifPixelsChoosing(pixels, enlarge(candidate.alternatives),
                                                frame.width, frame.height, frame.width, codeSize);
    if (!code)
        return std::nullopt;
    frame.code = std::move(*code);
    frame.localColors = candidate.localColors;
    frame.transparent = candidate.transparent;
    return frame;
}

// The candidate whose first kSampleRows rows compress smallest, with its table and in proportion
// to the whole rectangle.
std::size_t smallestBySample(std::vector<Candidate> &candidates, const Changes &changes)
{
    const int width = changes.right - changes.left;
    const double share = double(changes.bottom - changes.top) / kSampleRows;
    double smallest = std::numeric_limits<double>::infinity();
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Candidate &candidate = candidates[i];
        std::vector<std::uint8_t> sample(candidate.indices.begin(),
                                         candidate.indices.begin() + width * kSampleRows);
        const int codeSize = std::max(2, candidate.tableBits);
        const auto code = candidate.alternatives.empty()
                                  ? compressGifPixels(sample, width, kSampleRows, width, codeSize)
                                  : compressGifPixelsChoosing(sample, candidate.alternatives, width,
                                                              kSampleRows, width, codeSize);
        if (!code)
            continue;
        const double bytes =
                double(code->blocks.size()) * share + double(candidate.localColors.size() * 3);
        if (bytes < smallest) {
            smallest = bytes;
            chosen = i;
        }
    }
    return chosen;
}

} // namespace

bool looksTheSame(const GifScreen &a, const GifScreen &b)
{
    if (a.colors == b.colors)
        return a.pixels == b.pixels;
    for (std::size_t at = 0; at < a.pixels.size(); ++at) {
        if ((a.colors[a.pixels[at]] ^ b.colors[b.pixels[at]]) & kRgb)
            return false;
    }
    return true;
}

std::vector<std::uint32_t> GifGlobalTable::fileOrder() const
{
    std::vector<std::uint32_t> ordered(colors.size());
    for (std::size_t index = 0; index < colors.size(); ++index)
        ordered[entryOf[index]] = colors[index];
    return ordered;
}

std::array<std::uint64_t, 256> countColourUse(std::span<const std::uint8_t> pixels)
{
    std::array<std::uint64_t, 256> use{};
    for (const std::uint8_t pixel : pixels)
        ++use[pixel];
    return use;
}

GifGlobalTable makeGifGlobalTable(const PaletteColors &colors,
                                  const std::array<std::uint64_t, 256> &use)
{
    std::array<std::uint8_t, 256> byUse;
    for (int index = 0; index < 256; ++index)
        byUse[std::size_t(index)] = std::uint8_t(index);
    std::stable_sort(byUse.begin(), byUse.end(),
                     [&](std::uint8_t a, std::uint8_t b) { return use[a] > use[b]; });
    GifGlobalTable table;
    table.colors = colors;
    for (int entry = 0; entry < 256; ++entry)
        table.entryOf[byUse[std::size_t(entry)]] = std::uint8_t(entry);
    return table;
}

std::optional<GifFrameCode> encodeGifFrame(const GifScreen *before, const GifScreen &after,
                                           const GifGlobalTable &global, const ScreenScaler &scaler)
{
    Changes changes = findChanges(before, after);
    if (changes.empty()) {
        // A GIF frame cannot be empty: one pixel that stays as it is.
        changes.left = changes.top = 0;
        changes.right = changes.bottom = 1;
    }
    bool anyKept = false;
    for (int y = changes.top; y < changes.bottom && !anyKept; ++y)
        anyKept = std::memchr(changes.changed.data() + std::size_t(y) * kFrameWidth
                                      + std::size_t(changes.left),
                              0, std::size_t(changes.right - changes.left))
                  != nullptr;

    bool inGlobal = true;
    for (std::size_t i = 0; i < global.colors.size() && inGlobal; ++i)
        inGlobal = ((global.colors[i] ^ after.colors[i]) & kRgb) == 0;

    const IndicesUsed used = indicesUsed(after, changes);
    // The screen's own palette in the global table's order, unchanged pixels transparent or their
    // own colour, or simply kept when no entry is free for transparency.
    std::optional<Candidate> whole =
            anyKept ? paletteCandidate(after, changes, used, global, true) : std::nullopt;
    if (!whole)
        whole = paletteCandidate(after, changes, used, global, false);
    // A table of only the colours used costs its entries, but may make the codes shorter. It is
    // not tried when the global table's codes are as short, and the global table is not tried
    // against one whose codes are much shorter.
    const int localBits =
            localTableBits(localTable(after, anyKept ? used.byChanged : used.anywhere), anyKept);
    const bool tryLocal = !inGlobal || whole->tableBits > localBits;
    const bool tryGlobal = inGlobal && whole->tableBits < localBits + 4;

    std::vector<Candidate> candidates;
    const auto add = [&](std::optional<Candidate> candidate) {
        if (candidate)
            candidates.push_back(std::move(*candidate));
    };
    if (tryLocal) {
        // With the unchanged pixels kept only when leaving them transparent cannot do the same.
        std::optional<Candidate> local =
                anyKept ? localCandidate(after, changes, used, true) : std::nullopt;
        if (!local || !local->mayKeepAll)
            add(localCandidate(after, changes, used, false));
        add(std::move(local));
    }
    // A fade step's whole palette as a local table, when no smaller one could be made.
    if (tryGlobal || candidates.empty()) {
        if (!inGlobal) {
            whole->localColors = GifGlobalTable{after.colors, global.entryOf}.fileOrder();
            whole->localColors.resize(std::size_t(1) << whole->tableBits);
        }
        add(std::move(whole));
    }

    // A large rectangle is judged by its first rows, in image pixels: a fraction of the work of
    // compressing every candidate whole, and the same choice nearly always.
    if (candidates.size() > 1 && changes.bottom - changes.top > 4 * kSampleRows)
        return compressCandidate(candidates[smallestBySample(candidates, changes)], changes,
                                 scaler);
    std::optional<GifFrameCode> best;
    for (const Candidate &candidate : candidates) {
        auto frame = compressCandidate(candidate, changes, scaler);
        if (frame && (!best || frame->bytes() < best->bytes()))
            best = std::move(frame);
    }
    return best;
}

} // namespace tessa
