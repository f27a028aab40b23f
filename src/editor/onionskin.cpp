// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "onionskin.h"

#include "document/animitem.h"

#include <algorithm>
#include <array>

namespace tessa {

namespace {

using Table = std::array<QRgb, 256>;

// Each palette colour in `tint`, as light as it is: a ghost that keeps the shapes of the image.
Table tinted(const PaletteColors &colors, QRgb tint)
{
    Table table;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        // Red is in the lowest byte of a palette entry, blue in the third.
        const std::uint32_t color = colors[i];
        const int light =
                (int(color & 0xFF) * 3 + int((color >> 8) & 0xFF) * 6 + int((color >> 16) & 0xFF))
                / 10;
        // The tint at a third of its strength for black, in full for white.
        const auto channel = [light](int tintChannel) {
            return tintChannel * (85 + light * 2 / 3) / 255;
        };
        table[i] = qRgb(channel(qRed(tint)), channel(qGreen(tint)), channel(qBlue(tint)));
    }
    return table;
}

void mixIn(QImage &picture, const PixelBuffer &shown, const PixelBuffer &other, const Table &table,
           int weight)
{
    const std::size_t count = std::min({shown.size(), other.size(), std::size_t(kFrameSize)});
    for (std::size_t i = 0; i < count; ++i) {
        if (shown[i] == other[i])
            continue;
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(int(i / kFrameWidth)));
        QRgb &pixel = line[i % kFrameWidth];
        const QRgb ghost = table[other[i]];
        const auto mix = [weight](int from, int to) { return from + ((to - from) * weight) / 256; };
        pixel = qRgb(mix(qRed(pixel), qRed(ghost)), mix(qGreen(pixel), qGreen(ghost)),
                     mix(qBlue(pixel), qBlue(ghost)));
    }
}

} // namespace

void drawOnionSkin(QImage &picture, const PixelBuffer &shown, const PixelBuffer *before,
                   const PixelBuffer *after, const PaletteColors &colors, double opacity)
{
    if (picture.size() != QSize(kFrameWidth, kFrameHeight) || !(opacity > 0))
        return;
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    const int weight = std::clamp(int(opacity * 256 + 0.5), 0, 256);
    if (before)
        mixIn(picture, shown, *before, tinted(colors, kOnionBefore), weight);
    if (after)
        mixIn(picture, shown, *after, tinted(colors, kOnionAfter), weight);
}

} // namespace tessa
