// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sha256.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessa {

// A patch turns the bytes of one original file (the base) into those of a changed file (the
// result), or does that for several files of a folder. It works on the item records of the
// animation file: every item of the result is either an item of the base whose code, size and
// payload it keeps, or carried in the patch. Its layout is described in docs/patch-format.md.

inline constexpr std::string_view kPatchMagic = "TANPATCH";
inline constexpr std::uint16_t kPatchVersion = 1;

// The largest file a patch makes, and the most carried bytes a patch may unpack in all: a bound
// on the memory that applying a forged patch can ask for.
inline constexpr std::uint64_t kMaxPatchedFileSize = std::uint64_t(1) << 30;
// The largest patch file read: one that carries the largest file whole, with room for its
// records.
inline constexpr std::uint64_t kMostPatchFileBytes = kMaxPatchedFileSize + (std::uint64_t(1) << 20);

// One step of rebuilding a result, in order. Every item written gets its 1-based position in the
// result as its number, unless a Number step right before it says otherwise.
struct PatchStep
{
    enum class Kind : std::uint8_t {
        Copy = 1,   // `count` items of the base from its 0-based item `first`
        Carry = 2,  // `count` items from the carried bytes: code, size, payload each
        Number = 3, // the next item's number is `number`
        Tail = 4,   // `length` carried bytes after the last item; always the last step
    };

    Kind kind = Kind::Copy;
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    std::int32_t number = 0;
    std::uint64_t length = 0;

    bool operator==(const PatchStep &) const = default;
};

// A stretch of the carried bytes, compressed against the bytes of the base items it replaces
// (its reference): a repainted frame is mostly its old differences, which the compressed stream
// then only points to. zlib looks back 32 KiB at most, and a full frame takes 64 KB, so the
// stretch is cut into pieces of kPieceSize bytes, each its own zlib stream with the part of the
// reference at the same place as its preset dictionary (pieceDictionary).
struct CarriedSegment
{
    std::uint32_t referenceFirst = 0; // the base items of the reference, none when the count is 0
    std::uint32_t referenceCount = 0;
    std::uint64_t size = 0;                        // unpacked
    std::vector<std::vector<std::uint8_t>> pieces; // ceil(size / kPieceSize) zlib streams

    bool operator==(const CarriedSegment &) const = default;
};

inline constexpr std::uint64_t kPieceSize = 16384;
inline constexpr std::uint64_t kPieceMargin = 8192;

// The dictionary of piece `piece` of a segment: the bytes of `reference` from kPieceMargin before
// the piece's place to kPieceMargin after its end, so that its old bytes are found even where
// earlier changes moved them that far; a match then reaches back at most kPieceSize +
// kPieceMargin bytes, well inside zlib's 32 KiB. Where the reference ends before that, its last
// kPieceSize bytes.
inline std::span<const std::uint8_t> pieceDictionary(std::span<const std::uint8_t> reference,
                                                     std::uint64_t piece)
{
    const std::uint64_t start = piece * kPieceSize;
    const std::uint64_t from = std::min<std::uint64_t>(
            start > kPieceMargin ? start - kPieceMargin : 0, reference.size());
    const std::uint64_t to =
            std::min<std::uint64_t>(start + kPieceSize + kPieceMargin, reference.size());
    if (from < to)
        return reference.subspan(std::size_t(from), std::size_t(to - from));
    return reference.last(std::size_t(std::min<std::uint64_t>(kPieceSize, reference.size())));
}

// The recipe of one file.
struct FilePatch
{
    // "" in a patch of one file; in a folder patch the path of the file inside the folder, its
    // parts joined by "/".
    std::string name;
    // A file of the changed folder that the original folder does not hold: no base.
    bool isNew = false;
    std::uint64_t baseSize = 0;
    Sha256Digest baseHash{};
    std::uint64_t resultSize = 0;
    Sha256Digest resultHash{};
    std::vector<PatchStep> steps;
    // What the Carry and Tail steps take, in order, once unpacked and joined.
    std::vector<CarriedSegment> segments;

    std::uint64_t carriedSize() const
    {
        std::uint64_t total = 0;
        for (const CarriedSegment &segment : segments)
            total += segment.size;
        return total;
    }
    std::uint64_t packedSize() const
    {
        std::uint64_t total = 0;
        for (const CarriedSegment &segment : segments)
            for (const auto &piece : segment.pieces)
                total += piece.size();
        return total;
    }
};

struct Patch
{
    // Made from two folders (applied to a folder), or from two files.
    bool forFolder = false;
    std::vector<FilePatch> files;

    // A patch that applies to one file, not to a folder.
    bool isForOneFile() const { return !forFolder && files.size() == 1; }
};

} // namespace tessa
