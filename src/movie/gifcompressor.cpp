// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifcompressor.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <mutex>

namespace tessa {

namespace {

// The string table: the code of every (string code, pixel) pair seen, 0 for none. 2 MiB, so
// tables are kept for the next frames (each compressed on a thread of its own) and handed back
// cleared of only the entries used.
using StringTable = std::array<std::uint16_t, std::size_t(4096) << 8>;

class TablePool
{
public:
    std::unique_ptr<StringTable> take()
    {
        {
            const std::lock_guard lock(m_mutex);
            if (!m_free.empty()) {
                auto table = std::move(m_free.back());
                m_free.pop_back();
                return table;
            }
        }
        return std::make_unique<StringTable>();
    }
    void giveBack(std::unique_ptr<StringTable> table)
    {
        const std::lock_guard lock(m_mutex);
        m_free.push_back(std::move(table));
    }

private:
    std::mutex m_mutex;
    std::vector<std::unique_ptr<StringTable>> m_free;
};

TablePool &tablePool()
{
    static TablePool pool;
    return pool;
}

// GIF's LZW with pixels of 2 to 8 bits, making the very codes giflib's encoder makes (EGifPutLine):
// the same clear points and code widths, so the bytes are the same too. giflib finds strings in a
// hashed table of 8 KiB per pixel; this one indexes a direct table by (string code, pixel). giflib
// still writes everything around the codes.
class LzwEncoder
{
public:
    LzwEncoder(std::vector<std::uint8_t> &out, int codeSize)
        : m_out(out)
        , m_table(tablePool().take())
        , m_codeSize(codeSize)
        , m_clearCode(1 << codeSize)
    {
        clearTable();
    }
    // The table goes to the next frames: it must be left empty, whatever happened.
    ~LzwEncoder()
    {
        clearTable();
        tablePool().giveBack(std::move(m_table));
    }
    LzwEncoder(const LzwEncoder &) = delete;
    LzwEncoder &operator=(const LzwEncoder &) = delete;

    // With `alternatives`, a pixel whose alternative differs may take either value: plan() sets
    // it and the pixels after it.
    void compress(std::uint8_t *pixels, const std::uint8_t *alternatives, int width, int rows,
                  int stride)
    {
        // At most a 12-bit code a pixel, a clear code every 3837 codes, the last two codes and 4
        // bytes of bits in hand.
        const std::size_t count = std::size_t(width) * std::size_t(rows);
        // Kept by the thread for its next frames: a fresh block of this size is mapped and
        // faulted in page by page every time.
        thread_local std::unique_ptr<std::uint8_t[]> buffer;
        thread_local std::size_t capacity = 0;
        const std::size_t needed = count * 3 / 2 + count / 1024 + 16;
        if (capacity < needed) {
            buffer = std::make_unique_for_overwrite<std::uint8_t[]>(needed);
            capacity = needed;
        }
        m_bytes = buffer.get();
        m_end = m_bytes;
        m_pixels = pixels;
        m_alternatives = alternatives;
        m_width = width;
        m_stride = stride;
        m_count = count;
        m_plannedEnd = 0;
        if (alternatives) {
            m_trail.resize(count);
            m_best.resize(count);
            m_bestOther.resize(count);
        }
        put(m_clearCode);
        int string = pixels[0];
        std::uint8_t last = pixels[0];
        bool first = true;
        for (int y = 0; y < rows; ++y) {
            std::uint8_t *row = pixels + std::size_t(y) * std::size_t(stride);
            const std::uint8_t *choices =
                    alternatives ? alternatives + std::size_t(y) * std::size_t(stride) : nullptr;
            for (int x = first ? 1 : 0; x < width; ++x) {
                std::uint8_t pixel = row[x];
                std::size_t key = std::size_t(string) << 8 | pixel;
                std::uint16_t known = table()[key];
                const std::size_t position = std::size_t(y) * std::size_t(width) + std::size_t(x);
                if (choices && choices[x] != pixel && position >= m_plannedEnd) {
                    plan(string, Place{row + x - pixels, x, position}, last);
                    pixel = row[x];
                    key = std::size_t(string) << 8 | pixel;
                    known = table()[key];
                }
                last = pixel;
                if (known) {
                    string = known;
                    continue;
                }
                put(string);
                string = pixel;
                if (m_nextCode >= kMaxCode) {
                    put(m_clearCode);
                    clearTable();
                } else {
                    table()[key] = std::uint16_t(m_nextCode);
                    m_used[std::size_t(m_usedCount++)] = std::uint32_t(key);
                    ++m_nextCode;
                }
            }
            first = false;
        }
        put(string);
        put(m_clearCode + 1);
        flush();
    }

private:
    static constexpr int kMaxCode = 4095;
    // How many times a look ahead may follow both values of a pixel.
    static constexpr int kBranches = 32;

    // A pixel: its offset in the buffer, its column and its number in reading order.
    struct Place
    {
        std::ptrdiff_t offset;
        int column;
        std::size_t position;

        Place next(int width, int stride) const
        {
            if (column + 1 < width)
                return {offset + 1, column + 1, position + 1};
            return {offset + 1 + stride - width, 0, position + 1};
        }
    };

    // Follows the strings the table knows from `code` at `place`, trying both values of a pixel
    // where both go on (while the branches last); the longest way is kept in m_best.
    void explore(int code, Place place, std::size_t depth)
    {
        while (place.position < m_count) {
            const std::uint8_t pixel = m_pixels[place.offset];
            const std::uint8_t other = m_alternatives[place.offset];
            const std::uint16_t byPixel = table()[std::size_t(code) << 8 | pixel];
            const std::uint16_t byOther =
                    other != pixel ? table()[std::size_t(code) << 8 | other] : 0;
            if (byPixel && byOther && m_branches > 0) {
                --m_branches;
                m_trail[depth] = pixel;
                explore(byPixel, place.next(m_width, m_stride), depth + 1);
                m_trail[depth] = other;
                explore(byOther, place.next(m_width, m_stride), depth + 1);
                return;
            }
            if (!byPixel && !byOther)
                break;
            m_trail[depth] = byPixel ? pixel : other;
            code = byPixel ? byPixel : byOther;
            place = place.next(m_width, m_stride);
            ++depth;
        }
        if (!m_found || depth > m_bestLength) {
            m_found = true;
            m_bestLength = depth;
            std::copy_n(m_trail.begin(), depth, m_best.begin());
        }
    }

    std::size_t longestFrom(int code, Place place)
    {
        m_branches = kBranches;
        m_found = false;
        m_bestLength = 0;
        explore(code, place, 0);
        return m_bestLength;
    }

    void writeWay(const std::vector<std::uint8_t> &way, Place place, std::size_t length)
    {
        for (std::size_t i = 0; i < length; ++i, place = place.next(m_width, m_stride))
            m_pixels[place.offset] = way[i];
    }

    // Sets the pixels from `place` on, as far as the string that goes on (or starts) there can
    // grow, to the values that let it grow longest.
    void plan(int string, Place place, std::uint8_t last)
    {
        const std::uint8_t pixel = m_pixels[place.offset];
        const std::uint8_t other = m_alternatives[place.offset];
        if (table()[std::size_t(string) << 8 | pixel]
            || table()[std::size_t(string) << 8 | other]) {
            const std::size_t length = longestFrom(string, place);
            writeWay(m_best, place, length);
            m_plannedEnd = place.position + length;
            return;
        }
        // The string ends here: the next one starts with whichever value goes further, else
        // with the value of the pixel before, as a run goes on.
        const Place after = place.next(m_width, m_stride);
        const std::size_t byPixel = longestFrom(pixel, after);
        m_best.swap(m_bestOther);
        const std::size_t byOther = longestFrom(other, after);
        const bool takeOther = byOther > byPixel || (byOther == byPixel && other == last);
        m_pixels[place.offset] = takeOther ? other : pixel;
        writeWay(takeOther ? m_best : m_bestOther, after, takeOther ? byOther : byPixel);
        m_plannedEnd = place.position + 1 + (takeOther ? byOther : byPixel);
    }

    std::uint8_t *m_pixels = nullptr;
    const std::uint8_t *m_alternatives = nullptr;
    int m_width = 0;
    int m_stride = 0;
    std::size_t m_count = 0;
    std::size_t m_plannedEnd = 0; // the pixels before it are set already
    std::vector<std::uint8_t> m_trail;
    std::vector<std::uint8_t> m_best;
    std::vector<std::uint8_t> m_bestOther;
    std::size_t m_bestLength = 0;
    bool m_found = false;
    int m_branches = 0;

    std::uint16_t *table() { return m_table->data(); }

    void clearTable()
    {
        std::uint16_t *entries = table();
        for (int i = 0; i < m_usedCount; ++i)
            entries[m_used[std::size_t(i)]] = 0;
        m_usedCount = 0;
        m_nextCode = m_clearCode + 2;
        m_bits = m_codeSize + 1;
        m_limit = 1 << m_bits;
    }

    // Codes go out least significant bit first into a plain buffer, cut into blocks at the end.
    void put(int code)
    {
        m_shift |= std::uint64_t(code) << m_shiftBits;
        m_shiftBits += m_bits;
        if (m_shiftBits >= 32) {
            for (int i = 0; i < 4; ++i)
                *m_end++ = std::uint8_t(m_shift >> (8 * i));
            m_shift >>= 32;
            m_shiftBits -= 32;
        }
        // As giflib does: the width grows once the next code would not fit.
        if (m_nextCode >= m_limit && m_bits < 12)
            m_limit = 1 << ++m_bits;
    }

    void flush()
    {
        for (; m_shiftBits > 0; m_shiftBits -= 8, m_shift >>= 8)
            *m_end++ = std::uint8_t(m_shift);
        const std::size_t length = std::size_t(m_end - m_bytes);
        m_out.reserve(length + length / 255 + 1);
        for (std::size_t at = 0; at < length; at += 255) {
            const std::size_t block = std::min<std::size_t>(255, length - at);
            m_out.push_back(std::uint8_t(block));
            m_out.insert(m_out.end(), m_bytes + at, m_bytes + at + block);
        }
    }

    std::vector<std::uint8_t> &m_out;
    std::unique_ptr<StringTable> m_table;
    int m_codeSize;  // bits of a pixel, 2 to 8
    int m_clearCode; // then the end code, then the first string's code
    std::array<std::uint32_t, 4096> m_used{};
    int m_usedCount = 0;
    int m_nextCode = 0;
    int m_bits = 0;
    int m_limit = 0;
    std::uint64_t m_shift = 0;
    int m_shiftBits = 0;
    std::uint8_t *m_bytes = nullptr; // the codes' bits, before they are cut into blocks
    std::uint8_t *m_end = nullptr;
};

} // namespace

namespace {

bool fits(std::span<const std::uint8_t> pixels, int width, int rows, int stride, int codeSize)
{
    if (width <= 0 || rows <= 0 || stride < width || codeSize < 2 || codeSize > 8
        || pixels.size() < std::size_t(rows - 1) * std::size_t(stride) + std::size_t(width))
        return false;
    if (codeSize == 8)
        return true;
    // The bits of every pixel together, eight pixels at a time.
    std::uint64_t bits = 0;
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t *row = pixels.data() + std::size_t(y) * std::size_t(stride);
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            std::uint64_t eight;
            std::memcpy(&eight, row + x, 8);
            bits |= eight;
        }
        for (; x < width; ++x)
            bits |= row[x];
    }
    const std::uint64_t allowed = 0x0101010101010101u * ((1u << codeSize) - 1);
    return (bits & ~allowed) == 0;
}

} // namespace

std::optional<GifCodeStream> compressGifPixels(std::span<const std::uint8_t> pixels, int width,
                                               int rows, int stride, int codeSize)
{
    if (!fits(pixels, width, rows, stride, codeSize))
        return std::nullopt;
    GifCodeStream stream;
    stream.codeSize = codeSize;
    // Without alternatives no pixel is written to.
    LzwEncoder(stream.blocks, codeSize)
            .compress(const_cast<std::uint8_t *>(pixels.data()), nullptr, width, rows, stride);
    return stream;
}

std::optional<GifCodeStream> compressGifPixelsChoosing(std::span<std::uint8_t> pixels,
                                                       std::span<const std::uint8_t> alternatives,
                                                       int width, int rows, int stride,
                                                       int codeSize)
{
    if (!fits(pixels, width, rows, stride, codeSize)
        || !fits(alternatives, width, rows, stride, codeSize))
        return std::nullopt;
    GifCodeStream stream;
    stream.codeSize = codeSize;
    LzwEncoder(stream.blocks, codeSize)
            .compress(pixels.data(), alternatives.data(), width, rows, stride);
    return stream;
}

} // namespace tessa
