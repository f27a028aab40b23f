// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tessa {

// Decodes the RLE8 pixel stream of a bottom-up 8-bit BMP into `frame` (width x height indices,
// top row first). Pixels the stream skips with a delta or leaves out at its end stay as they are
// in `frame`. Gives the reason when the stream is damaged: a run or a delta past the row or the
// frame, or a stream that ends before its end marker while rows are still missing. Nothing
// outside `stream` or `frame` is ever touched.
std::optional<std::string> decodeRle8(std::span<const std::uint8_t> stream, int width, int height,
                                      std::span<std::uint8_t> frame);

} // namespace tessa
