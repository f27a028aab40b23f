// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/palette.h"

#include <QImage>

#include <cstdint>
#include <span>

namespace tessa {

// The picture of a frame of `width` x `height` palette indices (top row first) in `colors`: an
// RGB32 image, the format the screen takes as it is, so that neither QPixmap::fromImage (given
// it as a temporary) nor painting converts it again. Missing pixels (a short span) show as
// index 0.
QImage CreatePicture(int width, int height, std::span<const std::uint8_t> pixels,
                     const PaletteColors &colors);

} // namespace tessa
