// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

// `bytes` as a zlib stream, compressed as well as zlib can: a patch is made once and sent often.
std::vector<std::uint8_t> compressBytes(std::span<const std::uint8_t> bytes);

// The bytes of the zlib stream `stream`, which must hold exactly `size` bytes, end there and use
// all of `stream`; nothing for anything else. Never writes or allocates more than `size` bytes,
// so a forged stream cannot make it take more memory than its caller allowed.
std::optional<std::vector<std::uint8_t>> decompressBytes(std::span<const std::uint8_t> stream,
                                                         std::uint64_t size);

} // namespace tessa
