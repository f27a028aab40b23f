// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/littleendian.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// An item record of an animation file as it lies in the file: code (2 bytes), number (4), size
// (4), payload (the size's bytes, none when it is negative).
struct ItemRecord
{
    std::size_t offset = 0;
    std::size_t size = 0; // header and payload
};

inline constexpr std::size_t kRecordHeaderSize = 10;
inline constexpr std::size_t kRecordNumberOffset = 2;

// A file cut into its item records and whatever follows the last whole one.
struct ItemRecords
{
    std::vector<ItemRecord> records;
    std::size_t tailOffset = 0; // the tail runs from here to the end of the file
};

// Cuts `bytes` into item records from offset 0 for as long as a whole record follows, without
// decoding anything: any file, an animation or not, is records and a tail that together hold
// every byte. (A stray byte, a cut-off last item or a file of another kind end up in the tail.)
ItemRecords splitItemRecords(std::span<const std::uint8_t> bytes);

} // namespace tessa
