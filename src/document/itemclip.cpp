// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemclip.h"

#include <algorithm>
#include <array>

namespace tessa {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'T', 'S', 'I', '1'};

void appendUint32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

// Reads from the front of a span, refusing to go past its end.
class Reader
{
public:
    explicit Reader(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {
    }

    std::optional<std::span<const std::uint8_t>> take(std::size_t count)
    {
        if (count > m_bytes.size())
            return std::nullopt;
        const auto taken = m_bytes.first(count);
        m_bytes = m_bytes.subspan(count);
        return taken;
    }

    std::optional<std::uint32_t> uint32()
    {
        const auto bytes = take(4);
        if (!bytes)
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= std::uint32_t((*bytes)[i]) << (8 * i);
        return value;
    }

    bool atEnd() const { return m_bytes.empty(); }

private:
    std::span<const std::uint8_t> m_bytes;
};

} // namespace

std::vector<std::uint8_t> encodeClipItem(const AnimItem &item)
{
    std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
    std::string code = item.Code;
    code.resize(2, ' ');
    out.insert(out.end(), code.begin(), code.end());
    appendUint32(out, static_cast<std::uint32_t>(item.DataSize));
    appendUint32(out, static_cast<std::uint32_t>(item.Data.size()));
    out.insert(out.end(), item.Data.begin(), item.Data.end());
    appendUint32(out, static_cast<std::uint32_t>(item.Pixels.size()));
    out.insert(out.end(), item.Pixels.begin(), item.Pixels.end());
    return out;
}

std::optional<AnimItem> decodeClipItem(std::span<const std::uint8_t> bytes)
{
    Reader reader(bytes);
    const auto magic = reader.take(kMagic.size());
    if (!magic || !std::equal(magic->begin(), magic->end(), kMagic.begin()))
        return std::nullopt;
    const auto code = reader.take(2);
    const auto dataSize = reader.uint32();
    if (!code || !dataSize)
        return std::nullopt;
    AnimItem item;
    item.Code.assign(code->begin(), code->end());
    item.DataSize = static_cast<std::int32_t>(*dataSize);

    const auto dataLength = reader.uint32();
    const auto data = dataLength ? reader.take(*dataLength) : std::nullopt;
    const auto pixelsLength = reader.uint32();
    const auto pixels = pixelsLength ? reader.take(*pixelsLength) : std::nullopt;
    if (!data || !pixels || !reader.atEnd())
        return std::nullopt;
    if (item.isImage()) {
        if (pixels->size() != static_cast<std::size_t>(kFrameSize))
            return std::nullopt;
        item.Pixels.assign(pixels->begin(), pixels->end());
        item.DataSize = 0; // encoded again from the frame when saved
        return item;
    }
    if (!pixels->empty() || data->size() != static_cast<std::size_t>(std::max(item.DataSize, 0)))
        return std::nullopt;
    item.Data.assign(data->begin(), data->end());
    return item;
}

} // namespace tessa
