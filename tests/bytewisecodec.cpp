// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bytewisecodec.h"

#include "animbytes.h"

#include <algorithm>

namespace tessa::test {

namespace {

std::size_t wordAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | std::size_t(bytes[at + 1]) << 8;
}

} // namespace

void bytewiseEncode(std::span<const std::uint8_t> frame, std::span<const std::uint8_t> reference,
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
        appendWord(out, static_cast<std::uint16_t>(start));
        appendWord(out, static_cast<std::uint16_t>(i - start));
        for (std::size_t p = start; p < i; ++p)
            out.push_back(frame[p]);
    }
    out.insert(out.end(), 6, 0);
}

bool bytewiseDecode(std::span<const std::uint8_t> stream, std::span<std::uint8_t> frame)
{
    std::size_t at = 0;
    while (at < stream.size()) {
        if (stream.size() - at < 2)
            return false;
        const std::size_t type = wordAt(stream, at);
        if (type == 0)
            return true;
        if (type >= 2 && type <= 0x7FFF)
            return false;
        if (stream.size() - at < 6)
            return false;
        const std::size_t offset = wordAt(stream, at + 2);
        const std::size_t length = wordAt(stream, at + 4);
        at += 6;
        if (length > stream.size() - at || offset > frame.size() || length > frame.size() - offset)
            return false;
        for (std::size_t p = 0; p < length; ++p)
            frame[offset + p] = stream[at + p];
        at += length;
    }
    return true;
}

} // namespace tessa::test
