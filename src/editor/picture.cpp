// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include <algorithm>
#include <cstring>

namespace tessa {

QImage CreatePicture(int width, int height, std::span<const std::uint8_t> pixels,
                     const PaletteColors &colors)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table(colors.size());
    std::transform(colors.begin(), colors.end(), table.begin(), [](std::uint32_t color) {
        // Red is in the lowest byte, blue in the third.
        return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
    });
    image.setColorTable(table);
    image.fill(0);
    const auto rowBytes = static_cast<std::size_t>(std::max(width, 0));
    for (int y = 0; y < height; ++y) {
        const std::size_t from = static_cast<std::size_t>(y) * rowBytes;
        if (from >= pixels.size())
            break;
        std::memcpy(image.scanLine(y), pixels.data() + from,
                    std::min(rowBytes, pixels.size() - from));
    }
    return image;
}

} // namespace tessa
