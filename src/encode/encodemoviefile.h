// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "document/expected.h"
#include "document/notice.h"
#include "imaging/palette.h"
#include "movieencoder.h"
#include "moviefit.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace tessa {

// Which part of a movie is taken, and how its pictures fill the screen.
struct MovieInput
{
    double fps = 25.0; // pictures a second of a folder or pattern of pictures
    double from = 0.0; // seconds into the movie
    double to = -1.0;  // seconds into the movie; below 0: to its end
    MovieFit fit = MovieFit::Crop;
};

// Why `input` cannot be used, or nothing.
std::optional<Notice> checkMovieInput(const MovieInput &input);

// Told how much of the work is done (0 to 1) now and then; false stops the work, which then
// fails with movieStoppedNotice().
using EncodeProgress = std::function<bool(double done)>;
Notice movieStoppedNotice();

// The animation the movie at `path` (a movie file, a folder of numbered pictures or a pattern of
// them) makes: its images and pauses, then End. A refusal names the file.
Expected<ItemList, Notice> encodeMovieFile(const std::string &path, const MovieInput &input,
                                           const PaletteColors &palette,
                                           const EncodeOptions &options,
                                           const EncodeProgress &progress = {});

// What an encoding counts against a size limit: the length of its file when not given, or what
// its items add where they go (insertionCost) and the cue of their sound.
using MovieBytes = std::function<std::size_t(const ItemList &items)>;
std::size_t movieFileBytes(const ItemList &items);

// encodeMovieFile at the best quality, up to `options.quality`, whose `bytes` are at most
// `maxBytes` (0: no limit, `options.quality` itself): every picture keeps its time, the whole
// movie is there, and what gives is how closely the screen follows it. Refused, saying how large
// the smallest would be, when not even the lowest quality fits.
Expected<ItemList, Notice> encodeMovieWithin(const std::string &path, const MovieInput &input,
                                             const PaletteColors &palette,
                                             const EncodeOptions &options, std::size_t maxBytes,
                                             const EncodeProgress &progress = {},
                                             const MovieBytes &bytes = {});

// The encodings a size limit that `quality` does not keep takes at most: the search of
// encodeMovieWithin.
int qualitySearchPasses(int quality);

} // namespace tessa
