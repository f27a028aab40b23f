// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifcompressor.h"

#include <gif_lib.h>

#include <memory>

namespace tessa {

namespace {

int appendToVector(GifFileType *gif, const GifByteType *data, int length)
{
    auto *bytes = static_cast<std::vector<std::uint8_t> *>(gif->UserData);
    bytes->insert(bytes->end(), data, data + length);
    return length;
}

struct GifCloser
{
    void operator()(GifFileType *gif) const { EGifCloseFile(gif, nullptr); }
};

} // namespace

std::optional<GifCodeStream> compressGifPixels(std::span<const std::uint8_t> pixels, int width,
                                               int rows, int stride)
{
    if (width <= 0 || rows <= 0 || stride < width
        || pixels.size() < std::size_t(rows - 1) * std::size_t(stride) + std::size_t(width))
        return std::nullopt;
    // A throwaway GIF in memory: its screen and image descriptors are cut off below, only the
    // compressed pixels after them are kept. The colour table only tells giflib the code size,
    // 8 bits like every frame the writer sends.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(width) * std::size_t(rows) * 9 / 8 + 1024);
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendToVector, &error));
    if (!gif)
        return std::nullopt;
    GifColorType table[256]{};
    ColorMapObject *map = GifMakeMapObject(256, table);
    if (!map)
        return std::nullopt;
    const int described = EGifPutScreenDesc(gif.get(), width, rows, 8, 0, nullptr) == GIF_OK
                          && EGifPutImageDesc(gif.get(), 0, 0, width, rows, false, map) == GIF_OK;
    GifFreeMapObject(map);
    if (!described)
        return std::nullopt;
    // Everything up to here ends with the code size byte.
    const std::size_t start = bytes.size();
    // giflib wants writable rows; it only reads them.
    auto *row = const_cast<GifPixelType *>(pixels.data());
    for (int y = 0; y < rows; ++y, row += stride) {
        if (EGifPutLine(gif.get(), row, width) != GIF_OK)
            return std::nullopt;
    }
    // The last line flushed the codes and the empty block that ends them.
    if (bytes.size() < start + 1 || bytes.back() != 0)
        return std::nullopt;
    GifCodeStream stream;
    stream.blocks.assign(bytes.begin() + std::ptrdiff_t(start), bytes.end() - 1);
    return stream;
}

} // namespace tessa
