// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemrecords.h"

#include <algorithm>

namespace tessa {

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
