// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "document/expected.h"
#include "document/notice.h"
#include "imaging/palette.h"
#include "timing/timeline.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessa {

// What to render, besides the items and the output path.
struct MovieRequest
{
    PaletteColors colors{};
    TimingSettings timing;
    int fromLine = 0; // 0-based, included
    int toLine = -1;  // 0-based, included; -1: to the last line
    int scale = 1;
    bool aspect43 = false;
    // The sound cues become a sound track (WebM and MP4) when both are given: the file of sound
    // n is soundFolder joined with formatSoundName(soundPattern, n).
    std::string soundFolder;
    std::string soundPattern;
};

struct MovieReport
{
    bool cancelled = false; // the progress callback said stop: nothing was written
    Tick ticks = 0;         // the movie's length
    double seconds = 0.0;
    int screens = 0;                   // screen changes handed to the writer
    std::vector<std::string> warnings; // sounds left out, and why
};

// Called after every screen with the ticks done and the total; returning false cancels.
using MovieProgress = std::function<bool(Tick done, Tick total)>;

// Plays lines fromLine to toLine of `items` (buildTimeline) and writes what the screen shows as
// the movie `path` names by its extension (movieFormatFor): every screen change at its tick,
// every fade step with its exact palette (fadedPalette), a black screen before the first image.
// A missing or unreadable sound file is a warning, not a failure. A failure or a cancel leaves
// no file at `path` (an older file there stays as it was).
Expected<MovieReport, Notice> renderMovie(const std::string &path, const ItemList &items,
                                          const MovieRequest &request,
                                          const MovieProgress &progress = {});

// The warning renderMovie gives when `request` asks for the sounds of cues among its lines and
// the movie `path` names has no sound track (a GIF, a PNG sequence); nothing otherwise.
std::optional<std::string> soundsLeftOutWarning(const std::string &path, const ItemList &items,
                                                const MovieRequest &request);

// What a GIF of the request would weigh.
struct GifSizeEstimate
{
    std::uint64_t bytes = 0;
    bool exact = true;          // false: worked out from the start of the movie
    double sampledSeconds = 0.; // how much of the movie was written to count its bytes
};

// The size of the GIF renderMovie would write for `items` and `request`, found by writing it
// nowhere: exact when the movie has at most `sampleScreens` screens (0: no limit), else its
// first `sampleScreens` screens' bytes in proportion to the whole movie's length.
Expected<GifSizeEstimate, Notice>
estimateGifSize(const ItemList &items, const MovieRequest &request, int sampleScreens = 0);

} // namespace tessa
