// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include "builtinpalettes.h"

#include <stdexcept>
#include <string>

namespace tessa {

const PaletteData &builtInPalette(int index)
{
    switch (index) {
    case 0:
        return builtin::kMainTessarinePalette;
    case 1:
        return builtin::kExtraOrvalisPalette;
    default:
        throw std::out_of_range("There is no built-in palette " + std::to_string(index) + ".");
    }
}

PaletteColors paletteColorsFromData(const PaletteData &data)
{
    PaletteColors colors{};
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = colorFromRgb(data[4 * i + 2], data[4 * i + 1], data[4 * i]);
    return colors;
}

} // namespace tessa
