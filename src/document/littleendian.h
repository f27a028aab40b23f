// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// The signed 32-bit little-endian integer at `at`; the caller has checked that four bytes are
// there.
inline std::int32_t readInt32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    const std::uint32_t value = std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8
                                | std::uint32_t(bytes[at + 2]) << 16
                                | std::uint32_t(bytes[at + 3]) << 24;
    return static_cast<std::int32_t>(value);
}

inline void appendInt32(std::vector<std::uint8_t> &out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
}

} // namespace tessa
