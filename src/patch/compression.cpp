// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "compression.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>

namespace tessa {

namespace {

// zlib counts in 32-bit unsigned ints: longer buffers are handed over a piece at a time.
constexpr std::size_t kPiece = std::numeric_limits<uInt>::max();

uInt pieceOf(std::size_t remaining)
{
    return static_cast<uInt>(std::min(remaining, kPiece));
}

// Ends the stream however the work ends.
struct Deflater
{
    z_stream stream{};
    ~Deflater() { deflateEnd(&stream); }
};

struct Inflater
{
    z_stream stream{};
    ~Inflater() { inflateEnd(&stream); }
};

std::span<const std::uint8_t> window(std::span<const std::uint8_t> dictionary)
{
    return dictionary.last(std::min(dictionary.size(), kDictionaryWindow));
}

} // namespace

std::vector<std::uint8_t> compressBytes(std::span<const std::uint8_t> bytes,
                                        std::span<const std::uint8_t> dictionary)
{
    Deflater deflater;
    z_stream &z = deflater.stream;
    if (deflateInit(&z, Z_BEST_COMPRESSION) != Z_OK)
        throw std::bad_alloc();
    const auto used = window(dictionary);
    if (!used.empty() && deflateSetDictionary(&z, used.data(), uInt(used.size())) != Z_OK)
        throw std::runtime_error("zlib refused a dictionary");
    std::vector<std::uint8_t> out(deflateBound(&z, static_cast<uLong>(bytes.size())) + 64);
    std::size_t in = 0;
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (z.avail_in == 0 && in < bytes.size()) {
            z.next_in = const_cast<Bytef *>(bytes.data() + in);
            z.avail_in = pieceOf(bytes.size() - in);
            in += z.avail_in;
        }
        if (out.size() - z.total_out < 64)
            out.resize(out.size() * 2);
        z.next_out = out.data() + z.total_out;
        z.avail_out = pieceOf(out.size() - z.total_out);
        status = deflate(&z, in == bytes.size() ? Z_FINISH : Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            throw std::runtime_error("zlib failed to compress");
    }
    out.resize(z.total_out);
    return out;
}

std::optional<std::vector<std::uint8_t>> decompressBytes(std::span<const std::uint8_t> stream,
                                                         std::uint64_t size,
                                                         std::span<const std::uint8_t> dictionary)
{
    if (size > std::numeric_limits<std::size_t>::max())
        return std::nullopt;
    Inflater inflater;
    z_stream &z = inflater.stream;
    if (inflateInit(&z) != Z_OK)
        throw std::bad_alloc();
    std::vector<std::uint8_t> out(static_cast<std::size_t>(size));
    std::size_t in = 0;
    std::size_t written = 0;
    for (;;) {
        if (z.avail_in == 0 && in < stream.size()) {
            z.next_in = const_cast<Bytef *>(stream.data() + in);
            z.avail_in = pieceOf(stream.size() - in);
            in += z.avail_in;
        }
        // One byte of room more than promised, so that a stream holding more is caught.
        std::uint8_t spare = 0;
        const bool full = written == out.size();
        z.next_out = full ? &spare : out.data() + written;
        z.avail_out = full ? 1 : pieceOf(out.size() - written);
        const uInt before = z.avail_out;
        int status = inflate(&z, Z_NO_FLUSH);
        if (status == Z_NEED_DICT) {
            // A wrong dictionary is refused here: zlib compares its checksum.
            const auto used = window(dictionary);
            if (used.empty() || inflateSetDictionary(&z, used.data(), uInt(used.size())) != Z_OK)
                return std::nullopt;
            status = Z_OK;
        }
        const std::size_t produced = before - z.avail_out;
        if (full && produced > 0)
            return std::nullopt;
        written += full ? 0 : produced;
        if (status == Z_STREAM_END)
            break;
        if (status != Z_OK)
            return std::nullopt; // damaged data, or the input ended before the stream
    }
    if (written != out.size() || z.avail_in != 0 || in != stream.size())
        return std::nullopt;
    return out;
}

} // namespace tessa
