// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Animation files written byte by byte, for tests that need files the writer would never make,
// and read back record by record.

#include <cstddef>
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

// What one record of a written file holds: its whole length, and for an image the pixels and
// the copy chunks of its stream.
struct StoredRecord
{
    std::size_t bytes = 0;
    std::size_t pixels = 0;
    std::size_t runs = 0;
};

// The records of a file as the writer writes it, read back from its bytes.
inline std::vector<StoredRecord> storedRecords(const Bytes &file)
{
    const auto word = [&](std::size_t at) { return file[at] | std::size_t(file[at + 1]) << 8; };
    std::vector<StoredRecord> records;
    std::size_t at = 0;
    while (at + 10 <= file.size()) {
        StoredRecord record;
        record.bytes = 10 + (word(at + 6) | word(at + 8) << 16);
        if (file[at] == 'G' && file[at + 1] == 'R') {
            // The first image's stream follows its background byte.
            std::size_t chunk = at + 10 + (records.empty() ? 1 : 0);
            while (word(chunk) == 1) {
                ++record.runs;
                record.pixels += word(chunk + 4);
                chunk += 6 + word(chunk + 4);
            }
        }
        records.push_back(record);
        at += record.bytes;
    }
    return records;
}

} // namespace tessa::test
