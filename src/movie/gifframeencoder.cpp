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

// The colours the rectangle's pixels need (only the changed ones when `changedOnly`) in a local
// table, one entry a colour however many indices show it; nothing when it would not be smaller
// than the global one.
std::optional<Candidate> localCandidate(const GifScreen &after, const Changes &changes,
                                        const IndicesUsed &used, bool changedOnly)
{
    const std::array<std::uint8_t, 256> &needed = changedOnly ? used.byChanged : used.anywhere;
    std::array<int, 256> entryOf;
    entryOf.fill(-1);
    std::vector<std::uint32_t> colors;
    for (int index = 0; index < 256; ++index) {
        if (!needed[std::size_t(index)])
            continue;
        const std::uint32_t color = after.colors[std::size_t(index)] & kRgb;
        const auto known = std::find(colors.begin(), colors.end(), color);
        entryOf[std::size_t(index)] = int(known - colors.begin());
        if (known == colors.end())
            colors.push_back(color);
    }
    Candidate candidate;
    candidate.mayKeepAll = true;
    const int entries = int(colors.size()) + (changedOnly ? 1 : 0);
    if (entries > 128)
        return std::nullopt;
    candidate.tableBits = std::max(1, int(std::bit_width(unsigned(entries - 1))));
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

// The rectangle in the screen's own palette, unchanged pixels kept or, when some index is not
// needed by a changed one, left transparent.
std::optional<Candidate> paletteCandidate(const GifScreen &after, const Changes &changes,
                                          const IndicesUsed &used, bool transparent)
{
    Candidate candidate;
    if (transparent) {
        const auto unused = std::find(used.byChanged.begin(), used.byChanged.end(), 0);
        if (unused == used.byChanged.end())
            return std::nullopt;
        candidate.transparent = int(unused - used.byChanged.begin());
        candidate.mayKeepAll = true;
    }
    const int width = changes.right - changes.left;
    candidate.indices.resize(std::size_t(width) * std::size_t(changes.bottom - changes.top));
    if (transparent)
        candidate.alternatives.resize(candidate.indices.size());
    std::size_t out = 0;
    for (int y = changes.top; y < changes.bottom; ++y) {
        const std::uint8_t *row = after.pixels.data() + std::size_t(y) * kFrameWidth;
        for (int x = changes.left; x < changes.right; ++x, ++out) {
            candidate.indices[out] = row[x];
            if (!transparent)
                continue;
            candidate.alternatives[out] = row[x];
            if (!changes.changed[std::size_t(y) * kFrameWidth + std::size_t(x)])
                candidate.indices[out] = std::uint8_t(candidate.transparent);
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

std::optional<GifFrameCode> encodeGifFrame(const GifScreen *before, const GifScreen &after,
                                           const PaletteColors &global, const ScreenScaler &scaler)
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
    for (std::size_t i = 0; i < global.size() && inGlobal; ++i)
        inGlobal = ((global[i] ^ after.colors[i]) & kRgb) == 0;

    const IndicesUsed used = indicesUsed(after, changes);
    std::vector<Candidate> candidates;
    const auto add = [&](std::optional<Candidate> candidate) {
        if (candidate)
            candidates.push_back(std::move(*candidate));
    };
    // A table of the colours used, when it is smaller than the whole palette; with the unchanged
    // pixels kept only when leaving them transparent cannot do the same.
    std::optional<Candidate> local =
            anyKept ? localCandidate(after, changes, used, true) : std::nullopt;
    if (!local || !local->mayKeepAll)
        add(localCandidate(after, changes, used, false));
    add(std::move(local));
    // The screen's own palette: the global table, or a whole local one (a fade step), which is
    // not worth trying when the smaller local table exists: its codes are as long or longer.
    // Nor is the global table against a local one of a few colours, whose codes are much
    // shorter for the price of a small table.
    const bool fewColours = std::any_of(candidates.begin(), candidates.end(),
                                        [](const Candidate &c) { return c.tableBits <= 4; });
    if ((inGlobal && !fewColours) || candidates.empty()) {
        // Unchanged pixels may be transparent or their own colour: only when no index is free
        // for transparency are they simply kept.
        auto candidate = anyKept ? paletteCandidate(after, changes, used, true) : std::nullopt;
        if (!candidate)
            candidate = paletteCandidate(after, changes, used, false);
        if (candidate && !inGlobal)
            candidate->localColors.assign(after.colors.begin(), after.colors.end());
        add(std::move(candidate));
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
