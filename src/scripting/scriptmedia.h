// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "document/expected.h"
#include "document/notice.h"
#include "imaging/imagecolors.h"
#include "imaging/palette.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// What scripts do with the image and movie libraries, as a table of functions that whoever runs
// the script fills in: tessanim from its media module (loaded only when a script asks), the
// editor from its own libraries. The bindings themselves stay on the core; a function left
// empty makes the script's call fail with a message that says what is missing.
namespace tessa {

// The movie choices of `tessanim render` that a script may give.
struct MovieChoices
{
    double tickRate = 70.0;
    double pauseMultiplier = 1.0;
    int scale = 1;
    bool aspect43 = false;
    int fromLine = 0; // 0-based, both included; toLine -1: to the last line
    int toLine = -1;
    std::string soundFolder;
    std::string soundPattern;
};

// The choices of `tessanim encode` that a script may give.
struct MovieImport
{
    int quality = 75;
    std::uint64_t maxBytes = 0; // 0: no limit
    std::string fit = "crop";
    double fps = 25.0;
    double from = 0.0;
    double to = -1.0; // below 0: to the end
    double tickRate = 70.0;
    double pauseMultiplier = 1.0;
};

// Asked every so often by work that takes long (a movie written or read): false stops it, and
// the work then fails with a notice that it was stopped.
using GoOn = std::function<bool()>;

struct ScriptMedia
{
    // The frame of any image file: indices kept, or colours matched to `palette`.
    std::function<Expected<std::vector<std::uint8_t>, Notice>(
            const std::string &path, ImageColors colors, const PaletteColors &palette)>
            importImage;
    // Writes a frame as an 8-bit indexed PNG in `palette`'s colours.
    std::function<Expected<Done, Notice>(const std::string &path,
                                         std::span<const std::uint8_t> pixels,
                                         const PaletteColors &palette)>
            writePng;
    // Writes the animation as it plays as the movie its extension names; warnings (sounds
    // left out) are returned.
    std::function<Expected<std::vector<std::string>, Notice>(
            const ItemList &items, const std::string &path, const PaletteColors &palette,
            const MovieChoices &choices, const GoOn &goOn)>
            renderMovie;
    // The animation file `tessanim encode` makes of a movie (bytes, so that frames never cross
    // from the module that made them).
    std::function<Expected<std::vector<std::uint8_t>, Notice>(
            const std::string &path, const MovieImport &choices, const PaletteColors &palette,
            const GoOn &goOn)>
            importMovie;
};

} // namespace tessa
