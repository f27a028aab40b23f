// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/pixelbuffer.h"
#include "imaging/palette.h"

#include <QImage>

namespace tessa {

// The tints of the images around the one shown.
inline constexpr QRgb kOnionBefore = qRgb(230, 40, 40);
inline constexpr QRgb kOnionAfter = qRgb(40, 90, 240);

// Draws over `picture` (the 320 x 200 picture of `shown`) the images before and after it where
// they differ from it: each such pixel mixed, at `opacity` (0 to 1), with the neighbour's colour
// in its tint (red before, blue after), its lightness kept. A missing neighbour (null) adds
// nothing; a pixel that differs from both takes both, the image after last.
void drawOnionSkin(QImage &picture, const PixelBuffer &shown, const PixelBuffer *before,
                   const PixelBuffer *after, const PaletteColors &colors, double opacity);

} // namespace tessa
