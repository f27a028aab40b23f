// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessa {

// The sound track of the movie file at `path` between `from` and `to` seconds (`to` below 0: to
// its end), mixed to one channel of unsigned 8-bit samples at `rate` a second, as the game's
// sound files hold them. Refuses, naming the file, a movie without sound or without sound in that
// part; in a build without FFmpeg, every movie.
Expected<std::vector<std::uint8_t>, Notice> movieSoundTrack(const std::string &path, double from,
                                                            double to, int rate);

// Whether the movie file at `path` has a sound track that movieSoundTrack() can read.
bool movieHasSound(const std::string &path);

} // namespace tessa
