// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

// The most of a preset dictionary that zlib looks back on: its window.
inline constexpr std::size_t kDictionaryWindow = 32768;

// `bytes` as a zlib stream, compressed as well as zlib can: a patch is made once and sent often.
// With a `dictionary`, the stream may point into it (its last kDictionaryWindow bytes).
std::vector<std::uint8_t> compressBytes(std::span<const std::uint8_t> bytes,
                                        std::span<const std::uint8_t> dictionary = {});

// The bytes of the zlib stream `stream`, which must hold exactly `size` bytes, end there and use
// all of `stream`; nothing for anything else. Never writes or allocates more than `size` bytes,
// so a forged stream cannot make it take more memory than its caller allowed.
// A stream made with a dictionary needs the same one (zlib checks it).
std::optional<std::vector<std::uint8_t>>
decompressBytes(std::span<const std::uint8_t> stream, std::uint64_t size,
                std::span<const std::uint8_t> dictionary = {});

} // namespace tessa
