// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifimage.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace tessa {

namespace {

// Far beyond any frame, and within what QImage allocates without complaint.
constexpr qint64 kMaxScreenPixels = qint64(1) << 28;

struct MemorySource
{
    const QByteArray &bytes;
    qsizetype at = 0;
};

int readFromMemory(GifFileType *gif, GifByteType *target, int length)
{
    auto *source = static_cast<MemorySource *>(gif->UserData);
    const int count = int(std::min<qsizetype>(length, source->bytes.size() - source->at));
    std::memcpy(target, source->bytes.constData() + source->at, std::size_t(count));
    source->at += count;
    return count;
}

struct GifCloser
{
    void operator()(GifFileType *gif) const { DGifCloseFile(gif, nullptr); }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// Reads an extension's blocks to its end; the transparent index when it is a graphics control.
bool readExtension(GifFileType *gif, int &transparent)
{
    int code = 0;
    GifByteType *block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK)
        return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && block) {
        GraphicsControlBlock control{};
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparent = control.TransparentColor;
    }
    while (block) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK)
            return false;
    }
    return true;
}

// The picture's rows into `image` at its place, interlaced rows in their four passes.
bool readPicture(GifFileType *gif, QImage &image)
{
    const GifImageDesc &desc = gif->Image;
    const int rows = desc.Height;
    std::vector<int> order;
    if (desc.Interlace) {
        for (const auto &[first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = first; y < rows; y += step)
                order.push_back(y);
    } else {
        for (int y = 0; y < rows; ++y)
            order.push_back(y);
    }
    for (const int y : order) {
        uchar *line = image.scanLine(desc.Top + y) + desc.Left;
        if (DGifGetLine(gif, line, desc.Width) != GIF_OK)
            return false;
    }
    return true;
}

} // namespace

std::optional<QImage> readIndexedGif(const QByteArray &bytes)
{
    if (!bytes.startsWith("GIF8"))
        return std::nullopt;
    MemorySource source{bytes};
    int error = 0;
    const GifFile gif(DGifOpen(&source, readFromMemory, &error));
    if (!gif || gif->SWidth <= 0 || gif->SHeight <= 0
        || qint64(gif->SWidth) * gif->SHeight > kMaxScreenPixels)
        return std::nullopt;

    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK)
            return std::nullopt;
        if (record == EXTENSION_RECORD_TYPE) {
            if (!readExtension(gif.get(), transparent))
                return std::nullopt;
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif.get()) != GIF_OK)
            return std::nullopt;
        break;
    }
    const GifImageDesc &desc = gif->Image;
    const ColorMapObject *map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || desc.Width <= 0 || desc.Height <= 0 || desc.Left + desc.Width > gif->SWidth
        || desc.Top + desc.Height > gif->SHeight)
        return std::nullopt;

    QImage image(gif->SWidth, gif->SHeight, QImage::Format_Indexed8);
    if (image.isNull())
        return std::nullopt;
    QList<QRgb> table;
    for (int i = 0; i < map->ColorCount; ++i) {
        const GifColorType &c = map->Colors[i];
        table.push_back(qRgba(c.Red, c.Green, c.Blue, i == transparent ? 0 : 255));
    }
    // Where the picture leaves the screen uncovered, the screen's background shows.
    image.fill(uint(gif->SBackGroundColor < map->ColorCount ? gif->SBackGroundColor : 0));
    if (!readPicture(gif.get(), image))
        return std::nullopt;
    // A picture may use indices past its table (its code size can exceed the table's): black, as
    // a BMP's missing table entries are.
    uchar highest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        highest = std::max(highest, *std::max_element(row, row + image.width()));
    }
    while (table.size() <= highest)
        table.push_back(qRgb(0, 0, 0));
    image.setColorTable(table);
    return image;
}

} // namespace tessa
