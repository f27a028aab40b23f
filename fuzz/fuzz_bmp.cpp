// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The BMP reader on any bytes (any header size, RLE8): a 320 x 200 frame or an information box,
// and a frame it accepts survives being written as a BMP and read again with its colours.
#include "document/animitem.h"
#include "fuzzcheck.h"
#include "imaging/bmp.h"

using namespace tessa;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    const auto frame = readFrameBmp(file);
    const auto pixels = RemoveBMPHeader(file);
    require(frame.has_value() == pixels.has_value(), "both readers agree");
    if (!frame) {
        require(frame.error().icon == Notice::Icon::Information && !frame.error().text.empty(),
                "a refusal is an information box that says why");
        require(frame.error() == pixels.error(), "both readers refuse alike");
        return 0;
    }
    require(frame->pixels.size() == static_cast<std::size_t>(kFrameSize),
            "a frame is 64000 pixels");
    require(frame->pixels == *pixels, "both readers give the same pixels");
    require(frame->colorCount >= 0 && frame->colorCount <= 256, "a table holds up to 256 colours");
    for (std::size_t i = static_cast<std::size_t>(frame->colorCount); i < 256; ++i)
        require(frame->colors[i] == 0, "colours past the table are 0");

    const auto rewritten = AddBMPHeader(kFrameWidth, kFrameHeight, frame->pixels, frame->colors);
    require(rewritten.size() == kBmpFrameFileSize, "a written frame has the frame file size");
    const auto reread = readFrameBmp(rewritten);
    require(reread.has_value() && reread->pixels == frame->pixels,
            "write then read gives the same frame");
    // The written table has all 256 entries; those the file had come back as they were.
    for (std::size_t i = 0; i < static_cast<std::size_t>(frame->colorCount); ++i)
        require(reread->colors[i] == frame->colors[i], "write then read keeps the colours");
    require(!colorsDifferFromPalette(*reread, frame->colors), "a table matches itself");
    return 0;
}
