// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The BMP reader on any bytes: a 320 x 200 frame or an information box, and a frame it accepts
// survives being written as a BMP and read again.
#include "document/animitem.h"
#include "fuzzcheck.h"
#include "imaging/bmp.h"

using namespace tessa;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    const auto pixels = RemoveBMPHeader(file);
    if (!pixels) {
        require(pixels.error().icon == Notice::Icon::Information && !pixels.error().text.empty(),
                "a refusal is an information box that says why");
        return 0;
    }
    require(pixels->size() == static_cast<std::size_t>(kFrameSize), "a frame is 64000 pixels");
    // Rows are stored bottom-up from offset 1078: the top-left pixel is the first of the last row.
    require(pixels->front() == file[kBmpPixelOffset + (kFrameHeight - 1) * kFrameWidth],
            "the top row comes from the end of the pixel rows");

    const auto rewritten = AddBMPHeader(kFrameWidth, kFrameHeight, *pixels,
                                        paletteColorsFromData(builtInPalette(0)));
    require(rewritten.size() == kBmpFrameFileSize, "a written frame has the frame file size");
    const auto reread = RemoveBMPHeader(rewritten);
    require(reread.has_value() && *reread == *pixels, "write then read gives the same frame");
    return 0;
}
