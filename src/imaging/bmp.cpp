// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmp.h"

#include "document/animitem.h"

#include "rle8.h"

#include <algorithm>
#include <array>

namespace tessa {

namespace {

constexpr std::uint16_t kSignature = 19778; // "BM"
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kColorTableOffset = 54;
constexpr std::size_t kFileHeaderSize = 14;
// Shorter files are refused as too short before anything is read, as they always were.
constexpr std::size_t kShortestFile = 30;
constexpr std::uint32_t kCoreHeaderSize = 12; // OS/2 1.x: 16-bit sizes, 3-byte colours
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRle8 = 1;

static_assert(kBmpPixelOffset == kColorTableOffset + 256 * 4);
static_assert(kBmpFrameFileSize == kBmpPixelOffset + kFrameSize);

void put16(std::vector<std::uint8_t> &bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::vector<std::uint8_t> &bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

std::uint16_t uint16At(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::int32_t int32At(std::span<const std::uint8_t> bytes, std::size_t at)
{
    const std::uint32_t value = std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8
                                | std::uint32_t(bytes[at + 2]) << 16
                                | std::uint32_t(bytes[at + 3]) << 24;
    return static_cast<std::int32_t>(value);
}

// The fields of the headers that the reader needs, whichever header the file has.
struct BmpHeader
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::size_t pixelOffset = 0;
    std::size_t tableOffset = 0;
    std::size_t entrySize = 4;
    int colorCount = 0;
};

Unexpected<Notice> notAFrameBmp()
{
    return Unexpected{Notice::info("The file was not an 320x200 8-bit BMP.")};
}

Unexpected<Notice> tooShort()
{
    return Unexpected{Notice::info("The file is too short to be a 320x200 8-bit BMP.")};
}

bool isWindowsHeaderSize(std::uint32_t size)
{
    // BITMAPINFOHEADER, its two extensions with colour masks, OS/2 2.x, BITMAPV4 and V5.
    return size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

Expected<BmpHeader, Notice> readHeader(std::span<const std::uint8_t> file)
{
    if (file.size() < kShortestFile)
        return tooShort();
    const auto headerSize = static_cast<std::uint32_t>(int32At(file, 14));
    BmpHeader header;
    header.pixelOffset = static_cast<std::uint32_t>(int32At(file, 10));
    if (headerSize == kCoreHeaderSize) {
        header.width = uint16At(file, 18);
        header.height = uint16At(file, 20);
        header.bitsPerPixel = uint16At(file, 24);
        header.entrySize = 3;
        header.colorCount = header.bitsPerPixel == 8 ? 256 : 0;
    } else if (isWindowsHeaderSize(headerSize)) {
        if (file.size() < kFileHeaderSize + 40)
            return tooShort();
        header.width = int32At(file, 18);
        header.height = int32At(file, 22);
        header.bitsPerPixel = uint16At(file, 28);
        header.compression = static_cast<std::uint32_t>(int32At(file, 30));
        const auto used = static_cast<std::uint32_t>(int32At(file, 46));
        if (used > 256)
            return notAFrameBmp();
        header.colorCount = used == 0 ? 256 : static_cast<int>(used);
    } else {
        return notAFrameBmp();
    }
    header.tableOffset = kFileHeaderSize + headerSize;
    return header;
}

} // namespace

std::vector<std::uint8_t> AddBMPHeader(std::int32_t width, std::int32_t height,
                                       std::span<const std::uint8_t> pixels,
                                       const PaletteColors &colors)
{
    const bool hasRows = width > 0 && height > 0;
    const std::size_t rowSize = hasRows ? static_cast<std::size_t>(width) : 0;
    const std::size_t rowCount = hasRows ? static_cast<std::size_t>(height) : 0;
    const std::size_t fileSize = kBmpPixelOffset + rowSize * rowCount;

    // Every field not set below (reserved words, compression, resolutions, colour counts) is 0.
    std::vector<std::uint8_t> file(fileSize, 0);
    put16(file, 0, kSignature);
    put32(file, 2, static_cast<std::uint32_t>(fileSize));
    put32(file, 10, static_cast<std::uint32_t>(kBmpPixelOffset));
    put32(file, 14, kInfoHeaderSize);
    put32(file, 18, static_cast<std::uint32_t>(width));
    put32(file, 22, static_cast<std::uint32_t>(height));
    put16(file, 26, 1);
    put16(file, 28, 8);

    for (std::size_t i = 0; i < colors.size(); ++i) {
        const std::size_t at = kColorTableOffset + 4 * i;
        file[at] = blueOf(colors[i]);
        file[at + 1] = greenOf(colors[i]);
        file[at + 2] = redOf(colors[i]);
    }

    // A positive height means bottom-up rows: the frame's top row ends the file.
    for (std::size_t k = 0; k < rowCount; ++k) {
        const std::size_t source = k * rowSize;
        if (source >= pixels.size())
            break;
        const std::size_t available = std::min(rowSize, pixels.size() - source);
        const auto row = pixels.subspan(source, available);
        std::copy(row.begin(), row.end(), file.begin() + (fileSize - (k + 1) * rowSize));
    }
    return file;
}

Expected<BmpFrame, Notice> readFrameBmp(std::span<const std::uint8_t> file)
{
    const auto header = readHeader(file);
    if (!header)
        return Unexpected{header.error()};
    if (header->bitsPerPixel != 8 || header->width != kFrameWidth || header->height != kFrameHeight)
        return notAFrameBmp();
    if (header->compression != kUncompressed && header->compression != kRle8)
        return notAFrameBmp();

    BmpFrame frame;
    const std::size_t tableEnd =
            header->tableOffset + header->entrySize * std::size_t(header->colorCount);
    if (tableEnd > file.size())
        return tooShort();
    for (int i = 0; i < header->colorCount; ++i) {
        const std::size_t at = header->tableOffset + header->entrySize * std::size_t(i);
        frame.colors[std::size_t(i)] = colorFromRgb(file[at + 2], file[at + 1], file[at]);
    }
    frame.colorCount = header->colorCount;

    // A pixel offset of 0 is left by some writers; the rows then follow the colour table.
    const std::size_t pixelOffset = header->pixelOffset != 0 ? header->pixelOffset : tableEnd;
    if (pixelOffset > file.size())
        return tooShort();
    const auto rows = file.subspan(pixelOffset);
    frame.pixels.assign(kFrameSize, 0);
    if (header->compression == kRle8) {
        if (const auto damage = decodeRle8(rows, kFrameWidth, kFrameHeight, frame.pixels))
            return Unexpected{Notice::info("The BMP file is damaged: " + *damage + ".")};
        return frame;
    }
    if (rows.size() < std::size_t(kFrameSize))
        return tooShort();
    // 320 is a multiple of 4, so rows carry no padding.
    for (std::size_t i = 0; i < std::size_t(kFrameHeight); ++i) {
        const auto row = rows.subspan((kFrameHeight - 1 - i) * kFrameWidth, kFrameWidth);
        std::copy(row.begin(), row.end(), frame.pixels.begin() + std::ptrdiff_t(i * kFrameWidth));
    }
    return frame;
}

Expected<std::vector<std::uint8_t>, Notice> RemoveBMPHeader(std::span<const std::uint8_t> file)
{
    auto frame = readFrameBmp(file);
    if (!frame)
        return Unexpected{frame.error()};
    return std::move(frame->pixels);
}

bool colorsDifferFromPalette(const BmpFrame &frame, const PaletteColors &palette)
{
    std::array<bool, 256> used{};
    for (const std::uint8_t index : frame.pixels)
        used[index] = true;
    for (int i = 0; i < frame.colorCount; ++i) {
        const auto at = std::size_t(i);
        if (used[at] && !sameAtSixBits(frame.colors[at], palette[at]))
            return true;
    }
    return false;
}

} // namespace tessa
