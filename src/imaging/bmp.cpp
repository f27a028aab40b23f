// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmp.h"

#include "document/animitem.h"

#include <algorithm>

namespace tessa {

namespace {

constexpr std::uint16_t kSignature = 19778; // "BM"
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kColorTableOffset = 54;
// The reader looks at nothing beyond the bits-per-pixel field, which ends here.
constexpr std::size_t kTestedHeaderSize = 30;

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

Unexpected<Notice> notAFrameBmp()
{
    return Unexpected{Notice::info("The file was not an 320x200 8-bit BMP.")};
}

Unexpected<Notice> tooShort()
{
    return Unexpected{Notice::info("The file is too short to be a 320x200 8-bit BMP.")};
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

Expected<std::vector<std::uint8_t>, Notice> RemoveBMPHeader(std::span<const std::uint8_t> file)
{
    if (file.size() < kTestedHeaderSize)
        return tooShort();
    // Nothing else is tested: files with another signature, compression field or pixel offset
    // have always been taken as long as these three fields fit.
    const std::int32_t width = int32At(file, 18);
    const std::int32_t height = int32At(file, 22);
    const std::uint16_t bitsPerPixel = uint16At(file, 28);
    if (bitsPerPixel != 8 || width != kFrameWidth || height != kFrameHeight)
        return notAFrameBmp();
    if (file.size() < kBmpFrameFileSize)
        return tooShort();

    std::vector<std::uint8_t> pixels(kFrameSize);
    for (std::size_t i = 0; i < std::size_t(kFrameHeight); ++i) {
        const auto row =
                file.subspan(kBmpPixelOffset + (kFrameHeight - 1 - i) * kFrameWidth, kFrameWidth);
        std::copy(row.begin(), row.end(), pixels.begin() + i * kFrameWidth);
    }
    return pixels;
}

} // namespace tessa
