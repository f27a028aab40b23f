// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <zlib.h>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessa::test {

// A valid PNG of one colour, of any size: 8-bit RGB, or 8-bit indexed with that colour as its
// only palette entry. Rows after the first repeat the one above (filter "Up"), so that zlib
// squeezes a picture far larger than memory into a few hundred kilobytes, made in well under a
// second: what readers' size limits are tried with.
inline std::vector<std::uint8_t> plainPng(int width, int height, std::array<std::uint8_t, 3> rgb,
                                          bool indexed = false)
{
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto put32 = [](std::vector<std::uint8_t> &to, std::uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            to.push_back(std::uint8_t(value >> shift));
    };
    const auto chunk = [&](std::string_view type, const std::vector<std::uint8_t> &data) {
        put32(png, std::uint32_t(data.size()));
        std::vector<std::uint8_t> body(type.begin(), type.end());
        body.insert(body.end(), data.begin(), data.end());
        png.insert(png.end(), body.begin(), body.end());
        put32(png, std::uint32_t(crc32(0, body.data(), uInt(body.size()))));
    };
    std::vector<std::uint8_t> header;
    put32(header, std::uint32_t(width));
    put32(header, std::uint32_t(height));
    header.insert(header.end(), {8, std::uint8_t(indexed ? 3 : 2), 0, 0, 0});
    chunk("IHDR", header);
    if (indexed)
        chunk("PLTE", {rgb[0], rgb[1], rgb[2]});

    const std::size_t rowBytes = std::size_t(width) * (indexed ? 1 : 3);
    std::vector<std::uint8_t> first(1 + rowBytes, 0); // filter "None", then the pixels
    for (std::size_t at = 0; !indexed && at < rowBytes; at += 3)
        std::copy(rgb.begin(), rgb.end(), first.begin() + std::ptrdiff_t(1 + at));
    std::vector<std::uint8_t> repeat(1 + rowBytes, 0); // filter "Up": no difference
    repeat[0] = 2;

    z_stream zip{};
    deflateInit2(&zip, Z_BEST_SPEED, Z_DEFLATED, 15, 8, Z_RLE);
    std::vector<std::uint8_t> compressed;
    std::vector<std::uint8_t> buffer(1 << 16);
    const auto feed = [&](std::vector<std::uint8_t> &row, int flush) {
        zip.next_in = row.data();
        zip.avail_in = uInt(row.size());
        do {
            zip.next_out = buffer.data();
            zip.avail_out = uInt(buffer.size());
            deflate(&zip, flush);
            compressed.insert(compressed.end(), buffer.begin(),
                              buffer.end() - std::ptrdiff_t(zip.avail_out));
        } while (zip.avail_out == 0);
    };
    feed(first, height == 1 ? Z_FINISH : Z_NO_FLUSH);
    for (int y = 1; y < height; ++y)
        feed(repeat, y == height - 1 ? Z_FINISH : Z_NO_FLUSH);
    deflateEnd(&zip);
    chunk("IDAT", compressed);
    chunk("IEND", {});
    return png;
}

} // namespace tessa::test
