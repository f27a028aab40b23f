// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "document/expected.h"
#include "document/notice.h"
#include "encodechoices.h"
#include "imaging/palette.h"
#include "manifest.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// What tessanim does with image files beyond the game's own BMP frames. Two builds of it exist:
// on the image libraries (any format, colour matching, indexed PNG), and without them, where BMP
// frames still work and everything else is refused with a message that says why.
namespace tessa {

// The frame of the image file `path`, whose bytes are `file`, as a manifest line asks:
// ImageColors::Keep takes indices as Add Image does, Match and Dither match colours to `palette`.
Expected<std::vector<std::uint8_t>, Notice> manifestImagePixels(std::span<const std::uint8_t> file,
                                                                const std::string &path,
                                                                ImageColors colors,
                                                                const PaletteColors &palette);

// Writes a frame as an 8-bit indexed PNG with `colors` as its palette (no backup).
Expected<Done, Notice> writeFramePng(const std::string &path, std::span<const std::uint8_t> pixels,
                                     const PaletteColors &colors);

// The animation file `tessanim encode` makes of the movie at `path` (a manifest's movie line, read
// relative to the manifest already) in `palette`. Refusals name the file. Bytes rather than
// items: the frames of items live in the memory of the module that made them, and could not be
// let go of in the program that loaded it. `goOn`, when given, is asked as the encoding goes:
// false stops it, and the movie is refused as stopped.
Expected<std::vector<std::uint8_t>, Notice>
manifestMovieAnimation(const std::string &path, const EncodeChoices &choices,
                       const PaletteColors &palette, const std::function<bool()> &goOn = {});

} // namespace tessa
