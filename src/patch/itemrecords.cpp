// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemrecords.h"

#include <algorithm>

namespace tessa {

std::int32_t readInt32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    const std::uint32_t value = std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8
                                | std::uint32_t(bytes[at + 2]) << 16
                                | std::uint32_t(bytes[at + 3]) << 24;
    return static_cast<std::int32_t>(value);
}

void appendInt32(std::vector<std::uint8_t> &out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
}

ItemRecords splitItemRecords(std::span<const std::uint8_t> bytes)
{
    ItemRecords split;
    std::size_t at = 0;
    while (bytes.size() - at >= kRecordHeaderSize) {
        const std::int32_t storedSize = readInt32(bytes, at + 6);
        const auto payload = static_cast<std::size_t>(std::max(storedSize, 0));
        if (payload > bytes.size() - at - kRecordHeaderSize)
            break;
        split.records.push_back({at, kRecordHeaderSize + payload});
        at += kRecordHeaderSize + payload;
    }
    split.tailOffset = at;
    return split;
}

} // namespace tessa
