// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framecodec.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tessa {

namespace {

constexpr std::size_t kHeaderSize = 6;

void appendWord(std::vector<std::uint8_t> &out, std::size_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

std::uint16_t wordAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

} // namespace

std::uint8_t mostFrequentIndex(std::span<const std::uint8_t> frame)
{
    std::array<std::uint32_t, 256> count{};
    for (std::uint8_t index : frame)
        ++count[index];
    // max_element returns the first of equal maxima: the smallest index wins a tie.
    return static_cast<std::uint8_t>(std::max_element(count.begin(), count.end()) - count.begin());
}

std::uint8_t GetBackgroundColor(const ItemList &items)
{
    return items.empty() ? 0 : mostFrequentIndex(items.front().Pixels);
}

void encodeFrame(std::span<const std::uint8_t> frame, std::span<const std::uint8_t> reference,
                 std::vector<std::uint8_t> &out)
{
    const std::size_t size = std::min(frame.size(), reference.size());
    std::size_t i = 0;
    while (i < size) {
        if (frame[i] == reference[i]) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < size && frame[i] != reference[i])
            ++i;
        appendWord(out, 1);
        appendWord(out, start);
        appendWord(out, i - start);
        out.insert(out.end(), frame.begin() + static_cast<std::ptrdiff_t>(start),
                   frame.begin() + static_cast<std::ptrdiff_t>(i));
    }
    out.insert(out.end(), kHeaderSize, 0);
}

bool decodeFrame(std::span<const std::uint8_t> stream, std::span<std::uint8_t> frame)
{
    std::size_t at = 0;
    while (at < stream.size()) {
        if (stream.size() - at < 2)
            return false;
        const auto type = static_cast<std::int16_t>(wordAt(stream, at));
        if (type == 0)
            return true;
        if (type > 1)
            return false;
        // 1, and any type with the top bit set, is a copy chunk.
        if (stream.size() - at < kHeaderSize)
            return false;
        const std::size_t offset = wordAt(stream, at + 2);
        const std::size_t length = wordAt(stream, at + 4);
        at += kHeaderSize;
        if (length > stream.size() - at || offset > frame.size() || length > frame.size() - offset)
            return false;
        std::memcpy(frame.data() + offset, stream.data() + at, length);
        at += length;
    }
    return true;
}

void EncodeImage(ItemList &items, int k, std::uint8_t background)
{
    AnimItem &item = items[static_cast<std::size_t>(k)];
    const int previous = FindPreviousImage(items, k);
    item.Data.clear();
    if (previous >= 0) {
        encodeFrame(item.Pixels, items[static_cast<std::size_t>(previous)].Pixels, item.Data);
    } else {
        const std::vector<std::uint8_t> reference(item.Pixels.size(), background);
        encodeFrame(item.Pixels, reference, item.Data);
    }
    item.DataSize = static_cast<std::int32_t>(item.Data.size());
}

bool PrepareImage(ItemList &items, int k)
{
    AnimItem &item = items[static_cast<std::size_t>(k)];
    const int previous = FindPreviousImage(items, k);
    const auto payloadSize = static_cast<std::size_t>(std::max(item.DataSize, 0));
    std::span<const std::uint8_t> stream(item.Data.data(), std::min(payloadSize, item.Data.size()));
    if (previous >= 0) {
        item.Pixels = items[static_cast<std::size_t>(previous)].Pixels;
    } else {
        if (stream.empty())
            return false; // no background byte
        item.Pixels.assign(kFrameSize, stream.front());
        stream = stream.subspan(1);
    }
    return decodeFrame(stream, item.Pixels);
}

} // namespace tessa
