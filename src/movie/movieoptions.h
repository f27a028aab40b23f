// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "imaging/palette.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessa {

// The kinds of movie, chosen by the output file's extension (case-insensitive).
enum class MovieFormat { Gif, WebM, Mp4, PngSequence };

// ".gif", ".webm", ".mp4" or ".png"; anything else is refused with a notice that lists them.
Expected<MovieFormat, Notice> movieFormatFor(const std::string &path);

// One sound track, already mixed: interleaved signed 16-bit samples.
struct MovieAudio
{
    int sampleRate = 48000;
    int channels = 2;
    std::vector<std::int16_t> samples;

    bool empty() const { return samples.empty(); }
};

// How every format draws the screen and counts time.
struct MovieOptions
{
    // Frames per second of the formats that show every tick (WebM, MP4, PNG): the tick rate.
    double frameRate = 70.0;
    // Each image pixel becomes scale x scale output pixels (1 to kMaxMovieScale).
    int scale = 1;
    // 320 x 200 shown as 320 x 240 (times scale): rows repeated in a fixed pattern.
    bool aspect43 = false;
    // The animation's palette as shown in full: a GIF's global colour table (none: the first
    // screen's palette).
    std::optional<PaletteColors> palette;
    // How many pixels of the movie's pictures show each index (a sample will do): a GIF's global
    // table puts the common colours first (none: as the first screen shows them).
    std::optional<std::array<std::uint64_t, 256>> colourUse;
    // The sound track of WebM and MP4; the other formats have none.
    MovieAudio audio;
};

inline constexpr int kMaxMovieScale = 8;

} // namespace tessa
