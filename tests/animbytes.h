// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Animation files written byte by byte, for tests that need files the writer would never make.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessa::test {

using Bytes = std::vector<std::uint8_t>;

inline void appendInt32(Bytes &out, std::int32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(
                static_cast<std::uint8_t>((static_cast<std::uint32_t>(value) >> shift) & 0xFF));
}

inline void appendWord(Bytes &out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// One item record as the file holds it; `storedSize` stands in for the payload's length.
inline void appendItem(Bytes &out, const std::string &code, std::int32_t number,
                       const Bytes &payload, std::optional<std::int32_t> storedSize = std::nullopt)
{
    out.insert(out.end(), code.begin(), code.end());
    appendInt32(out, number);
    appendInt32(out, storedSize.value_or(static_cast<std::int32_t>(payload.size())));
    out.insert(out.end(), payload.begin(), payload.end());
}

// A copy chunk of `pixels` at frame `offset`.
inline Bytes copyChunk(std::uint16_t offset, const Bytes &pixels)
{
    Bytes out;
    appendWord(out, 1);
    appendWord(out, offset);
    appendWord(out, static_cast<std::uint16_t>(pixels.size()));
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

} // namespace tessa::test
