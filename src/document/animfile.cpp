// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "animfile.h"

#include "animreadback.h"
#include "framecodec.h"
#include "framestore.h"
#include "littleendian.h"

#include <algorithm>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace tessa {

namespace {

constexpr const char *kReaderLocation = "OpenAnim";

Unexpected<Notice> invalidFileType()
{
    return Unexpected{Notice::error(kErrorInvalidFileType, "Invalid file type.", kReaderLocation)};
}

Unexpected<Notice> imageFailed()
{
    return Unexpected{
            Notice::error(kErrorPreparingImage, "Error preparing image entry.", kReaderLocation)};
}

Unexpected<Notice> truncatedItem(std::size_t itemNumber, std::size_t offset)
{
    return Unexpected{Notice::error(kErrorTruncatedItem,
                                    "Item " + std::to_string(itemNumber) + " at byte offset "
                                            + std::to_string(offset)
                                            + " runs past the end of the file.",
                                    kReaderLocation)};
}

Unexpected<Notice> outOfMemory(std::size_t itemNumber, std::size_t offset, std::uint64_t limit)
{
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    return Unexpected{Notice::error(
            kErrorOutOfMemory,
            "The animation needs more memory than this computer can spare: item "
                    + std::to_string(itemNumber) + " at byte offset " + std::to_string(offset)
                    + " would take its images past " + std::to_string(limit / kMegabyte) + " MB.",
            kReaderLocation)};
}

// An image record at its longest: header, background byte, and a chunk for every other pixel
// (7 bytes each), the end chunk, and the encoder's slack for its wide stores.
constexpr std::size_t kLongestImageRecord = kItemHeaderSize + 1 + kFrameSize / 2 * 7 + 6 + 64;

// Grows the file being built to hold `capacity` bytes. Growing before each image rather than
// inside the encoder keeps a long file to a few steps, each advised for huge pages: the file of
// a long animation is tens of megabytes written once.
void reserveOutput(std::vector<std::uint8_t> &out, std::size_t capacity)
{
    // Advised before the bytes so far are copied over, which is their first write.
    std::vector<std::uint8_t> grown;
    grown.reserve(capacity);
    adviseHugePages(grown.data(), grown.capacity());
    grown.assign(out.begin(), out.end());
    out.swap(grown);
}

Unexpected<Notice> unwritable(std::string text)
{
    return Unexpected{Notice::failure("Error", std::move(text))};
}

} // namespace

std::uint64_t defaultFrameMemoryLimit()
{
#if defined(_SC_PHYS_PAGES) && defined(_SC_PAGESIZE)
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0)
        return std::uint64_t(pages) * std::uint64_t(pageSize) / 2;
#endif
    return std::uint64_t(4) << 30;
}

Expected<ItemList, Notice> readAnimation(std::span<const std::uint8_t> bytes,
                                         std::uint64_t frameMemoryLimit)
{
    ItemList items;
    std::uint64_t frameMemory = 0;
    std::size_t at = 0;
    // Fewer than two unread bytes end the file: a single stray byte is ignored.
    while (bytes.size() - at >= 2) {
        const std::size_t start = at;
        const std::size_t itemNumber = items.size() + 1;
        const bool first = items.empty();
        AnimItem item;
        item.Code.assign(reinterpret_cast<const char *>(bytes.data() + at), 2);
        if (first && item.Code != kCodeImage)
            return invalidFileType();
        if (bytes.size() - at < kItemHeaderSize - 4)
            return truncatedItem(itemNumber, start);
        item.Number = readInt32(bytes, at + 2);
        if (first && item.Number != 1)
            return invalidFileType();
        if (bytes.size() - at < kItemHeaderSize)
            return truncatedItem(itemNumber, start);
        item.DataSize = readInt32(bytes, at + 6);
        at += kItemHeaderSize;
        const std::size_t payloadSize = static_cast<std::size_t>(std::max(item.DataSize, 0));
        if (payloadSize > bytes.size() - at)
            return truncatedItem(itemNumber, start);
        const auto payload = bytes.subspan(at, payloadSize);
        at += payloadSize;

        if (item.isImage()) {
            frameMemory += kFrameSize;
            if (frameMemory > frameMemoryLimit)
                return outOfMemory(itemNumber, start, frameMemoryLimit);
            // Decoded straight from the file; the stored stream is not kept, the frame is.
            const int previous = FindPreviousImage(items, static_cast<int>(items.size()));
            std::span<const std::uint8_t> stream = payload;
            if (previous >= 0) {
                item.Pixels = items[static_cast<std::size_t>(previous)].Pixels;
            } else {
                if (stream.empty())
                    return imageFailed();
                item.Pixels.assign(kFrameSize, stream.front());
                stream = stream.subspan(1);
            }
            if (!decodeFrame(stream, item.Pixels))
                return imageFailed();
        } else {
            item.Data.assign(payload.begin(), payload.end());
        }
        items.push_back(std::move(item));
    }
    return items;
}

Expected<ItemList, Notice> loadAnimation(const std::string &path)
{
    auto bytes = readWholeFile(path, kMostAnimationFileBytes);
    if (!bytes)
        return Unexpected{fileFailureNotice(bytes.error())};
    return readAnimation(*bytes);
}

Expected<std::vector<std::uint8_t>, Notice> writeAnimation(const ItemList &items)
{
    if (items.empty())
        return std::vector<std::uint8_t>{};
    if (!items.front().isImage())
        return unwritable("The animation must begin with an image.");

    std::size_t estimate = 0;
    std::size_t longest = 0;
    for (const AnimItem &item : items) {
        estimate += kItemHeaderSize + (item.isImage() ? 1024 : item.Data.size());
        longest += item.isImage() ? kLongestImageRecord : kItemHeaderSize + item.Data.size();
    }
    // Room for the longest file it can be, where that is a modest share of the memory: address
    // space only, since untouched pages cost nothing, and no growing copies the bytes so far
    // again. (Growing by doubling made the system clear and copy twice the file's size.)
    if (longest <= defaultFrameMemoryLimit() / 4)
        estimate = std::max(estimate, longest);
    std::vector<std::uint8_t> out;
    reserveOutput(out, estimate);

    const std::uint8_t background = GetBackgroundColor(items);
    const PixelBuffer backgroundFrame(kFrameSize, background);
    std::span<const std::uint8_t> reference = backgroundFrame;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const AnimItem &item = items[i];
        const std::size_t itemNumber = i + 1;
        if (item.Code.size() != 2)
            return unwritable("Item " + std::to_string(itemNumber) + " has no two-letter code.");
        out.insert(out.end(), item.Code.begin(), item.Code.end());
        appendInt32(out, static_cast<std::int32_t>(itemNumber));

        if (!item.isImage()) {
            const auto payloadSize = static_cast<std::size_t>(std::max(item.DataSize, 0));
            if (item.Data.size() != payloadSize)
                return unwritable("Item " + std::to_string(itemNumber)
                                  + " holds fewer payload bytes than its size says.");
            appendInt32(out, item.DataSize);
            out.insert(out.end(), item.Data.begin(), item.Data.end());
            continue;
        }

        if (item.Pixels.size() != static_cast<std::size_t>(kFrameSize))
            return unwritable("Image " + std::to_string(itemNumber)
                              + " does not hold a full 320x200 frame.");
        if (out.capacity() - out.size() < kLongestImageRecord)
            reserveOutput(out, 2 * out.capacity());
        // The size goes before the stream: reserve its place and fill it in afterwards.
        const std::size_t sizeAt = out.size();
        appendInt32(out, 0);
        if (i == 0)
            out.push_back(background);
        encodeFrame(item.Pixels, reference, out);
        const auto payloadSize = static_cast<std::int32_t>(out.size() - sizeAt - 4);
        for (int b = 0; b < 4; ++b)
            out[sizeAt + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(
                    (static_cast<std::uint32_t>(payloadSize) >> (8 * b)) & 0xFF);
        reference = item.Pixels;
    }
    return out;
}

Expected<Done, Notice> saveAnimation(const std::string &path, const ItemList &items,
                                     FileSystem &fileSystem)
{
    auto bytes = writeAnimation(items);
    if (!bytes)
        return Unexpected{bytes.error()};
    // Read back and decoded before it replaces anything: a fault of the encoder, the memory or
    // the disk shows here rather than the next time the file is opened.
    const auto check = [&items, &bytes](const std::filesystem::path &written) {
        return findReadBackDifference(written, items, *bytes);
    };
    auto saved = replaceFile(path, *bytes, Backup::Keep, fileSystem, check);
    if (!saved)
        return Unexpected{fileFailureNotice(saved.error())};
    return Done{};
}

Notice fileFailureNotice(const IoError &error)
{
    return Notice::failure("Error", error.text());
}

} // namespace tessa
