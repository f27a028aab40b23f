// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "animreadback.h"

#include "animfile.h" // kItemHeaderSize
#include "expected.h"
#include "framecodec.h"
#include "nativefile.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace tessa {

namespace {

// Enough for the longest image record writeAnimation can write (a chunk for every other pixel:
// about 224 KB) twice over, so that each image is decoded straight from the block, which
// stays small enough to share the processor's cache with the frames.
constexpr std::size_t kBlockSize = std::size_t(1) << 19;
constexpr std::size_t kLongestImagePayload = 1 + kFrameSize / 2 * 7 + 6;

std::int32_t int32At(const std::uint8_t *bytes)
{
    return static_cast<std::int32_t>(std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8
                                     | std::uint32_t(bytes[2]) << 16
                                     | std::uint32_t(bytes[3]) << 24);
}

// The unread part of a file, a block at a time.
class BlockReader
{
public:
    explicit BlockReader(std::FILE *file)
        : m_file(file)
        , m_buffer(kBlockSize)
    {
    }

    // Makes `count` (at most kBlockSize) unread bytes available at data(); false when the file
    // ends or fails first.
    bool ensure(std::size_t count)
    {
        if (m_end - m_next >= count)
            return true;
        std::memmove(m_buffer.data(), m_buffer.data() + m_next, m_end - m_next);
        m_end -= m_next;
        m_next = 0;
        while (m_end < count && !m_error) {
            const std::size_t got =
                    std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_file);
            m_end += got;
            if (got == 0) {
                if (std::ferror(m_file))
                    m_error = lastCError();
                break;
            }
        }
        return m_end - m_next >= count;
    }

    const std::uint8_t *data() const { return m_buffer.data() + m_next; }
    std::size_t available() const { return m_end - m_next; }
    void skip(std::size_t count) { m_next += count; }
    const std::error_code &error() const { return m_error; }

private:
    std::FILE *m_file;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_next = 0;
    std::size_t m_end = 0;
    std::error_code m_error;
};

// Compares a file with the items [first, end) it should hold, one item after another, from
// where the reader stands. Past the first item, the image before `first` is taken as decoded:
// the document's own, which the part of the file before it is compared with.
class ReadBackComparer
{
public:
    ReadBackComparer(BlockReader &reader, const ItemList &items, std::size_t first, std::size_t end)
        : m_reader(reader)
        , m_items(items)
        , m_first(first)
        , m_end(end)
    {
        for (std::size_t i = first; i-- > 0;) {
            if (items[i].isImage()) {
                m_frame.assign(items[i].Pixels.begin(), items[i].Pixels.end());
                break;
            }
        }
    }

    // Where the items compared so far end in the file.
    std::uint64_t endOffset(std::uint64_t start) const { return start + m_read; }

    std::optional<std::string> run()
    {
        for (std::size_t i = m_first; i < m_end; ++i) {
            if (!m_reader.ensure(kItemHeaderSize))
                return endsEarly(i);
            const AnimItem &item = m_items[i];
            const std::uint8_t *header = m_reader.data();
            if (item.Code.size() != 2 || std::memcmp(header, item.Code.data(), 2) != 0
                || int32At(header + 2) != static_cast<std::int32_t>(i + 1))
                return differs(i);
            const std::int32_t size = int32At(header + 6);
            m_reader.skip(kItemHeaderSize);
            const bool same = item.isImage() ? sameImage(item, size) : samePayload(item, size);
            if (!same)
                return m_reader.error() ? unreadable() : differs(i);
            m_read += kItemHeaderSize + std::uint64_t(std::max(size, 0));
        }
        if (m_end < m_items.size())
            return std::nullopt;
        if (m_reader.ensure(1))
            return std::string("Read back after writing, it holds more than the animation");
        if (m_reader.error())
            return unreadable();
        return std::nullopt;
    }

private:
    bool samePayload(const AnimItem &item, std::int32_t size)
    {
        if (size != item.DataSize || item.Data.size() != std::size_t(std::max(size, 0)))
            return false;
        // Any length, so compared a block at a time.
        std::size_t compared = 0;
        while (compared < item.Data.size()) {
            if (!m_reader.ensure(1))
                return false;
            const std::size_t part = std::min(m_reader.available(), item.Data.size() - compared);
            if (std::memcmp(m_reader.data(), item.Data.data() + compared, part) != 0)
                return false;
            m_reader.skip(part);
            compared += part;
        }
        return true;
    }

    // Decodes the image onto the frame of the image before it, which has been found equal to
    // the document's, exactly as opening does.
    bool sameImage(const AnimItem &item, std::int32_t size)
    {
        if (size < 0 || std::size_t(size) > kLongestImagePayload
            || !m_reader.ensure(std::size_t(size)))
            return false;
        std::span<const std::uint8_t> stream(m_reader.data(), std::size_t(size));
        m_reader.skip(std::size_t(size));
        if (m_frame.empty()) {
            if (stream.empty())
                return false;
            m_frame.assign(kFrameSize, stream.front());
            stream = stream.subspan(1);
        }
        return decodeFrame(stream, m_frame) && item.Pixels.size() == m_frame.size()
               && std::memcmp(item.Pixels.data(), m_frame.data(), m_frame.size()) == 0;
    }

    std::string differs(std::size_t index) const
    {
        return "Read back after writing, item " + std::to_string(index + 1)
               + " differs from the animation";
    }
    std::string endsEarly(std::size_t index) const
    {
        if (m_reader.error())
            return unreadable();
        return "Read back after writing, it ends before item " + std::to_string(index + 1);
    }
    std::string unreadable() const
    {
        return "It could not be read back after writing: " + m_reader.error().message();
    }

    BlockReader &m_reader;
    const ItemList &m_items;
    std::size_t m_first;
    std::size_t m_end;
    std::uint64_t m_read = 0;
    std::vector<std::uint8_t> m_frame; // the image decoded last
};

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE *)>;

bool seekTo(std::FILE *file, std::uint64_t offset, std::error_code &error)
{
#ifdef _WIN32
    const bool moved = _fseeki64(file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
    const bool moved = fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
    if (!moved)
        error = lastCError();
    return moved;
}

// The file, unbuffered (whole blocks go straight into a reader's buffer), from `offset`.
Expected<FileHandle, std::string> openAt(const std::filesystem::path &path, std::uint64_t offset)
{
    std::error_code error;
    FileHandle file(openForReading(path, error), &std::fclose);
    if (!file)
        return Unexpected{"It could not be read back after writing: " + error.message()};
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    if (offset != 0 && !seekTo(file.get(), offset, error))
        return Unexpected{"It could not be read back after writing: " + error.message()};
    return file;
}

// Where the second half of the work starts: the first image at or past the middle of the bytes
// written, and its offset there; nothing when the file is too small to share out.
std::optional<std::pair<std::size_t, std::uint64_t>> halfway(std::span<const std::uint8_t> written,
                                                             const ItemList &items)
{
    constexpr std::size_t kWorthSharing = std::size_t(8) << 20;
    if (written.size() < kWorthSharing)
        return std::nullopt;
    std::uint64_t offset = 0;
    for (std::size_t i = 0; i < items.size() && offset + kItemHeaderSize <= written.size(); ++i) {
        if (i > 0 && items[i].isImage() && offset >= written.size() / 2)
            return std::pair{i, offset};
        const std::int32_t size = int32At(written.data() + offset + 6);
        offset += kItemHeaderSize + std::uint64_t(std::max(size, 0));
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> findReadBackDifference(const std::filesystem::path &path,
                                                  const ItemList &items,
                                                  std::span<const std::uint8_t> written)
{
    auto file = openAt(path, 0);
    if (!file)
        return file.error();
    BlockReader reader(file->get());
    const auto split = halfway(written, items);
    if (!split)
        return ReadBackComparer(reader, items, 0, items.size()).run();

    // The second half on a second thread, from where the bytes written put its first image. The
    // first half must then end exactly there in the file, or the halves are not one file.
    auto secondFile = openAt(path, split->second);
    if (!secondFile)
        return secondFile.error();
    std::optional<std::string> secondResult;
    std::thread second([&] {
        BlockReader secondReader(secondFile->get());
        secondResult = ReadBackComparer(secondReader, items, split->first, items.size()).run();
    });
    ReadBackComparer first(reader, items, 0, split->first);
    std::optional<std::string> firstResult = first.run();
    second.join();
    if (firstResult)
        return firstResult;
    if (first.endOffset(0) != split->second)
        return "Read back after writing, item " + std::to_string(split->first + 1)
               + " is not where it was written";
    return secondResult;
}

} // namespace tessa
