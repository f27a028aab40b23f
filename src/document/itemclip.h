// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animitem.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

// One item as it travels between editors through the clipboard: "TSI1", the two code bytes,
// the stored payload size (signed 32-bit), the payload's length and bytes, the frame's length
// and pixels (64000 for an image, 0 otherwise); every number little-endian.
std::vector<std::uint8_t> encodeClipItem(const AnimItem &item);

// The item, or nothing when the bytes are not exactly one well-formed item: anything on the
// clipboard may come from another program. An image must hold a whole frame; any other item
// exactly as many payload bytes as its size says (none for a size below 1).
std::optional<AnimItem> decodeClipItem(std::span<const std::uint8_t> bytes);

} // namespace tessa
