// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The palette loader on any bytes, which covers all four kinds: the length and the first four
// bytes pick raw tables, GAMEPAL.OBJ, RIFF and JASC text.
#include "fuzzcheck.h"
#include "imaging/paletteloader.h"

using namespace tessa;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto palette = readPaletteData(std::span<const std::uint8_t>(data, size));
    if (!palette) {
        require(!palette.error().text.empty(), "a refusal says why");
        return 0;
    }
    for (std::size_t i = 0; i < palette->size(); ++i) {
        require((*palette)[i] % 4 == 0, "every component is held at 6-bit precision");
        if (i % 4 == 3)
            require((*palette)[i] == 0, "the fourth byte of every entry is 0");
    }
    return 0;
}
