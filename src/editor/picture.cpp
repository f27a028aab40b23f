// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace tessa {

namespace {

using ColorTable = std::array<QRgb, 256>;

// Two colours in one 64-bit store: half the stores of a pixel at a time.
void storePair(QRgb *to, QRgb first, QRgb second)
{
    const std::uint64_t pair = std::endian::native == std::endian::little
                                       ? first | std::uint64_t(second) << 32
                                       : second | std::uint64_t(first) << 32;
    std::memcpy(to, &pair, sizeof pair);
}

// One row through the table of ready-made colours.
void translate(const std::uint8_t *indices, std::size_t count, const ColorTable &table, QRgb *line)
{
    std::size_t x = 0;
    for (; x + 8 <= count; x += 8) {
        storePair(line + x, table[indices[x]], table[indices[x + 1]]);
        storePair(line + x + 2, table[indices[x + 2]], table[indices[x + 3]]);
        storePair(line + x + 4, table[indices[x + 4]], table[indices[x + 5]]);
        storePair(line + x + 6, table[indices[x + 6]], table[indices[x + 7]]);
    }
    for (; x < count; ++x)
        line[x] = table[indices[x]];
}

} // namespace

QImage CreatePicture(int width, int height, std::span<const std::uint8_t> pixels,
                     const PaletteColors &colors)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    ColorTable table;
    // Red is in the lowest byte of a palette entry, blue in the third.
    std::transform(colors.begin(), colors.end(), table.begin(), [](std::uint32_t color) {
        return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
    });
    const auto rowPixels = static_cast<std::size_t>(width);
    uchar *bits = image.bits();
    const auto stride = static_cast<std::size_t>(image.bytesPerLine());
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        auto *line = reinterpret_cast<QRgb *>(bits + y * stride);
        const std::size_t from = y * rowPixels;
        const std::size_t have =
                from < pixels.size() ? std::min(rowPixels, pixels.size() - from) : 0;
        if (have > 0)
            translate(pixels.data() + from, have, table, line);
        std::fill(line + have, line + rowPixels, table[0]);
    }
    return image;
}

} // namespace tessa
