// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "palette.h"

namespace tessa::builtin {

// Defined in the source file that the build generates from resources/palettes/*.pal (made by
// tools/make_palettes.py); reach them through builtInPalette().
extern const PaletteData kMainTessarinePalette;
extern const PaletteData kExtraOrvalisPalette;

} // namespace tessa::builtin
