// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "changespicture.h"

#include "picture.h"

#include <algorithm>

namespace tessa {

QImage CreateChangesPicture(int width, int height, std::span<const std::uint8_t> pixels,
                            std::span<const std::uint8_t> reference, const PaletteColors &colors)
{
    // The ordinary picture first, then the unchanged pixels dimmed over it: the colours of the
    // changed ones are exactly the plain picture's.
    QImage image = CreatePicture(width, height, pixels, colors);
    if (image.isNull())
        return image;
    const std::size_t common = std::min(pixels.size(), reference.size());
    const auto rowPixels = static_cast<std::size_t>(width);
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        const std::size_t from = y * rowPixels;
        if (from >= common)
            break;
        const std::size_t have = std::min(rowPixels, common - from);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y)));
        const std::uint8_t *now = pixels.data() + from;
        const std::uint8_t *before = reference.data() + from;
        for (std::size_t x = 0; x < have; ++x) {
            if (now[x] == before[x])
                line[x] = quarterBrightness(line[x]);
        }
    }
    return image;
}

} // namespace tessa
