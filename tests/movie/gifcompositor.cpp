// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifcompositor.h"

#include "imaging/palette.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>

namespace tessa::test {

std::optional<CompositedGif> compositeGif(const std::string &path)
{
    int error = 0;
    const auto closer = [](GifFileType *gif) { DGifCloseFile(gif, nullptr); };
    std::unique_ptr<GifFileType, decltype(closer)> gif(DGifOpenFileName(path.c_str(), &error),
                                                       closer);
    if (!gif || DGifSlurp(gif.get()) != GIF_OK)
        return std::nullopt;
    CompositedGif result;
    result.width = gif->SWidth;
    result.height = gif->SHeight;
    const int width = result.width;
    std::vector<std::uint32_t> canvas(std::size_t(width) * std::size_t(result.height), kNeverDrawn);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &image = gif->SavedImages[i];
        GraphicsControlBlock control{};
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif.get(), i, &control);
        const ColorMapObject *map =
                image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        const GifImageDesc &at = image.ImageDesc;
        if (!map || at.Left + at.Width > width || at.Top + at.Height > result.height)
            return std::nullopt;
        const std::vector<std::uint32_t> before = canvas;
        for (int y = 0; y < at.Height; ++y)
            for (int x = 0; x < at.Width; ++x) {
                const int index = image.RasterBits[y * at.Width + x];
                if (index == control.TransparentColor)
                    continue;
                if (index >= map->ColorCount)
                    return std::nullopt;
                const GifColorType c = map->Colors[index];
                canvas[std::size_t(at.Top + y) * std::size_t(width) + std::size_t(at.Left + x)] =
                        colorFromRgb(c.Red, c.Green, c.Blue);
            }
        result.frames.push_back(canvas);
        result.delays.push_back(control.DelayTime);
        if (control.DisposalMode == DISPOSE_PREVIOUS)
            canvas = before;
        else if (control.DisposalMode == DISPOSE_BACKGROUND)
            for (int y = 0; y < at.Height; ++y)
                std::fill_n(canvas.begin() + (at.Top + y) * width + at.Left, at.Width, kNeverDrawn);
    }
    return result;
}

} // namespace tessa::test
