// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutshort.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace tessa {

namespace {

using Bytes = std::span<const std::uint8_t>;

bool startsWith(Bytes file, std::string_view signature)
{
    return file.size() >= signature.size()
           && std::equal(signature.begin(), signature.end(), file.begin(),
                         [](char a, std::uint8_t b) { return std::uint8_t(a) == b; });
}

std::uint32_t bigEndian(Bytes file, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | file[at + std::size_t(i)];
    return value;
}

std::uint32_t littleEndian(Bytes file, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | file[at + std::size_t(i)];
    return value;
}

bool pngIsWhole(Bytes file)
{
    // Chunks: length, type, data, CRC. Sizes are summed in 64 bits, so no length wraps around.
    std::uint64_t at = 8;
    while (at + 8 <= file.size()) {
        const bool last = startsWith(file.subspan(std::size_t(at) + 4), "IEND");
        at += 12 + std::uint64_t(bigEndian(file, std::size_t(at), 4));
        if (last)
            return at <= file.size();
    }
    return false;
}

struct JpegWalk
{
    bool whole = false;
    bool progressive = false;
};

JpegWalk walkJpeg(Bytes file)
{
    JpegWalk walk;
    std::uint64_t at = 2; // past the start marker
    while (at < file.size()) {
        // A marker is 0xFF and a code, with any number of 0xFF before the code; a stray byte
        // between segments is skipped, as readers skip it.
        if (file[at] != 0xFF) {
            ++at;
            continue;
        }
        while (at < file.size() && file[at] == 0xFF)
            ++at;
        if (at >= file.size())
            break;
        const std::uint8_t code = file[at++];
        if (code == 0xD9) {
            walk.whole = true;
            break;
        }
        const bool standalone = code == 0x01 || (code >= 0xD0 && code <= 0xD8);
        if (standalone)
            continue;
        if (at + 2 > file.size())
            break;
        if (code == 0xC2 || code == 0xC6 || code == 0xCA || code == 0xCE)
            walk.progressive = true;
        at += bigEndian(file, std::size_t(at), 2);
        if (code != 0xDA)
            continue;
        // A scan's coded data runs to the next marker other than a stuffed 0 or a restart.
        while (at + 1 < file.size()) {
            const std::uint8_t next = file[at + 1];
            if (file[at] == 0xFF && next != 0x00 && (next < 0xD0 || next > 0xD7))
                break;
            ++at;
        }
        if (at + 1 >= file.size())
            break;
    }
    return walk;
}

// Sub-blocks: a length byte, that many bytes, up to a length of 0.
bool skipSubBlocks(Bytes file, std::uint64_t &at)
{
    while (at < file.size()) {
        const std::uint8_t length = file[at++];
        if (length == 0)
            return true;
        at += length;
    }
    return false;
}

std::uint64_t gifTableSize(std::uint8_t packed)
{
    return (packed & 0x80) != 0 ? std::uint64_t(3) << ((packed & 7) + 1) : 0;
}

bool gifFirstPictureIsWhole(Bytes file)
{
    if (file.size() < 13)
        return false;
    std::uint64_t at = 13 + gifTableSize(file[10]);
    while (at < file.size()) {
        const std::uint8_t block = file[at];
        if (block == 0x21) { // an extension: its label, then its sub-blocks
            at += 2;
            if (!skipSubBlocks(file, at))
                return false;
        } else if (block == 0x2C) { // a picture: its descriptor, table, code size, data
            if (at + 10 > file.size())
                return false;
            at += 10 + gifTableSize(file[std::size_t(at) + 9]) + 1;
            return skipSubBlocks(file, at);
        } else {
            return true; // the trailer, or something a reader refuses on its own
        }
    }
    return false;
}

bool bmpIsWhole(Bytes file)
{
    if (file.size() < 30)
        return true; // too short to be a picture at all: the reader says so
    const std::uint32_t declared = littleEndian(file, 2, 4); // 0 in some writers' files
    if (declared > file.size())
        return false;
    // The rows of an uncompressed picture must all be there, whatever size the header gives.
    const std::uint32_t headerSize = littleEndian(file, 14, 4);
    const std::uint32_t pixelOffset = littleEndian(file, 10, 4);
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        width = littleEndian(file, 18, 2);
        height = littleEndian(file, 20, 2);
        bits = littleEndian(file, 24, 2);
    } else if (headerSize >= 40 && file.size() >= 34) {
        width = std::uint64_t(std::abs(std::int64_t(std::int32_t(littleEndian(file, 18, 4)))));
        height = std::uint64_t(std::abs(std::int64_t(std::int32_t(littleEndian(file, 22, 4)))));
        bits = littleEndian(file, 28, 2);
        compression = littleEndian(file, 30, 4);
    } else {
        return true;
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed || pixelOffset == 0)
        return true;
    const std::uint64_t rowBytes = (width * bits + 31) / 32 * 4;
    return pixelOffset + rowBytes * height <= file.size();
}

} // namespace

std::optional<std::string> cutShortRemains(std::span<const std::uint8_t> file)
{
    if (startsWith(file, "\x89PNG\r\n\x1A\n")) {
        if (!pngIsWhole(file))
            return "only part of the picture is there";
    } else if (startsWith(file, "\xFF\xD8")) {
        const JpegWalk walk = walkJpeg(file);
        if (walk.whole)
            return std::nullopt;
        // A sequential JPEG is coded from the top down; a progressive one in passes over the
        // whole picture, each adding detail.
        return walk.progressive ? "the picture is there only in part, with less detail, or grey "
                                  "where its data is missing"
                                : "the picture is there only down to where the file stops; "
                                  "below that it comes out grey";
    } else if (startsWith(file, "GIF8")) {
        if (!gifFirstPictureIsWhole(file))
            return "only part of the picture is there";
    } else if (startsWith(file, "BM")) {
        if (!bmpIsWhole(file))
            return "only part of the picture is there";
    }
    return std::nullopt;
}

} // namespace tessa
