// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Import Image on any bytes: Qt's image readers, then fitting and matching to the palette with
// options taken from the input's last byte. An image either is refused with a notice or gives a
// frame that uses no locked index (unless it passed through as it stands).
#include "document/animitem.h"
#include "fuzzcheck.h"
#include "imageio/imagefile.h"
#include "imageio/palettematch.h"

#include <QByteArray>

using namespace tessa;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t settings = data[size - 1];
    const auto image = loadImageBytes(
            QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), "fuzz");
    if (!image) {
        require(!image.error().text.empty(), "a refusal says why");
        return 0;
    }
    // Large pictures only slow the fuzzer down; their reading has been exercised already.
    if (std::int64_t(image->width()) * image->height() > 4 * kFrameSize)
        return 0;
    MatchOptions options;
    options.method = static_cast<MatchMethod>(settings % 3);
    options.fit = static_cast<FrameFit>(settings / 3 % 4);
    options.keepClose = settings & 0x40;
    options.heatMap = settings & 0x80;
    for (std::size_t i = 0; i < 256; i += 2)
        options.locked[i] = settings & 0x20;
    const std::vector<std::uint8_t> previous(kFrameSize, 1);
    const auto result =
            matchImage(*image, paletteColorsFromData(builtInPalette(0)), previous, options);
    if (!result) {
        require(!result.error().text.empty(), "a refusal says why");
        return 0;
    }
    require(result->pixels.size() == std::size_t(kFrameSize), "a frame is 64000 pixels");
    if (result->kind != ImportKind::PassThrough) {
        for (std::size_t i = 0; i < result->pixels.size(); ++i)
            require(!options.locked[result->pixels[i]]
                            || (options.keepClose && result->pixels[i] == 1),
                    "matching never chooses a locked index");
    }
    require(!options.heatMap || result->heatMap.size() == QSize(kFrameWidth, kFrameHeight),
            "the heat map has the frame's size");
    return 0;
}
