// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/palette.h"

#include <QImage>

#include <cstdint>
#include <span>

namespace tessa {

// A colour at a quarter of its brightness: each component divided by four, the fraction dropped.
inline QRgb quarterBrightness(QRgb color)
{
    return qRgb(qRed(color) / 4, qGreen(color) / 4, qBlue(color) / 4);
}

// The picture of what the file stores for a frame: the pixels of `pixels` that differ from
// `reference` in their own colours, every other pixel at a quarter of its brightness. Otherwise
// as CreatePicture: `width` x `height`, RGB32, missing pixels show as index 0; a pixel that
// `reference` lacks counts as changed.
QImage CreateChangesPicture(int width, int height, std::span<const std::uint8_t> pixels,
                            std::span<const std::uint8_t> reference, const PaletteColors &colors);

} // namespace tessa
