// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rle8.h"

#include <algorithm>

namespace tessa {

namespace {

// The stream's position in the picture: x across the row, y counted from the bottom row as the
// file stores it.
class Rle8Decoder
{
public:
    Rle8Decoder(std::span<const std::uint8_t> stream, int width, int height,
                std::span<std::uint8_t> frame)
        : m_stream(stream)
        , m_width(width)
        , m_height(height)
        , m_frame(frame)
    {
    }

    std::optional<std::string> run();

private:
    bool take(std::uint8_t &byte)
    {
        if (m_at >= m_stream.size())
            return false;
        byte = m_stream[m_at++];
        return true;
    }
    // Where the next `count` pixels of the current row go, or nullptr if they do not fit.
    std::uint8_t *rowSpace(int count)
    {
        if (m_y >= m_height || count > m_width - m_x)
            return nullptr;
        const auto row = static_cast<std::size_t>(m_height - 1 - m_y);
        return m_frame.data() + row * static_cast<std::size_t>(m_width)
               + static_cast<std::size_t>(m_x);
    }
    std::optional<std::string> escape(std::uint8_t code);

    std::span<const std::uint8_t> m_stream;
    std::size_t m_at = 0;
    int m_width;
    int m_height;
    std::span<std::uint8_t> m_frame;
    int m_x = 0;
    int m_y = 0;
    bool m_ended = false;
};

const std::string kEndsEarly = "the compressed pixels end before the picture does";
const std::string kPastRow = "a run of compressed pixels goes past the end of its row";
const std::string kPastFrame = "a run of compressed pixels goes past the end of the picture";

std::optional<std::string> Rle8Decoder::run()
{
    while (!m_ended) {
        std::uint8_t count = 0;
        std::uint8_t value = 0;
        if (!take(count) || !take(value)) {
            // Some writers leave out the end marker after the last row: nothing is missing then.
            if (m_y >= m_height && m_x == 0)
                return std::nullopt;
            return kEndsEarly;
        }
        if (count == 0) {
            if (auto failure = escape(value))
                return failure;
            continue;
        }
        std::uint8_t *to = rowSpace(count);
        if (!to)
            return m_y >= m_height ? kPastFrame : kPastRow;
        std::fill_n(to, count, value);
        m_x += count;
    }
    return std::nullopt;
}

std::optional<std::string> Rle8Decoder::escape(std::uint8_t code)
{
    switch (code) {
    case 0: // end of row
        m_x = 0;
        ++m_y;
        return std::nullopt;
    case 1: // end of picture
        m_ended = true;
        return std::nullopt;
    case 2: { // move right and up
        std::uint8_t dx = 0;
        std::uint8_t dy = 0;
        if (!take(dx) || !take(dy))
            return kEndsEarly;
        m_x += dx;
        m_y += dy;
        if (m_x > m_width || m_y > m_height || (m_y == m_height && m_x > 0))
            return std::string("a skip in the compressed pixels goes past the picture");
        return std::nullopt;
    }
    default: { // `code` literal pixels, padded to an even count
        std::uint8_t *to = rowSpace(code);
        if (!to)
            return m_y >= m_height ? kPastFrame : kPastRow;
        if (m_stream.size() - m_at < code)
            return kEndsEarly;
        std::copy_n(m_stream.begin() + static_cast<std::ptrdiff_t>(m_at), code, to);
        // The padding byte of an odd run may be missing at the very end of the file.
        m_at = std::min(m_stream.size(), m_at + code + (code & 1u));
        m_x += code;
        return std::nullopt;
    }
    }
}

} // namespace

std::optional<std::string> decodeRle8(std::span<const std::uint8_t> stream, int width, int height,
                                      std::span<std::uint8_t> frame)
{
    if (width < 1 || height < 1
        || frame.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return std::string("the picture has no room for its pixels");
    return Rle8Decoder(stream, width, height, frame).run();
}

} // namespace tessa
