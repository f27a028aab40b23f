// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Movie files in a build made without FFmpeg (the Windows build): refused, saying what works.
#include "moviesoundtrack.h"
#include "moviesource.h"

namespace tessa {

Expected<std::unique_ptr<MovieSource>, Notice> openMovieFile(const std::string &path)
{
    return Unexpected{movieSourceRefusal(
            path,
            TESSA_WORDS("tessa::Notice",
                        "movie files need FFmpeg, which this build was made without. Give a folder "
                        "of numbered pictures or a pattern such as shots/f_%04d.png instead."))};
}

Expected<std::vector<std::uint8_t>, Notice> movieSoundTrack(const std::string &path, double, double,
                                                            int)
{
    return Unexpected{movieSourceRefusal(
            path,
            TESSA_WORDS(
                    "tessa::Notice",
                    "reading a movie's sound needs FFmpeg, which this build was made without."))};
}

bool movieHasSound(const std::string &)
{
    return false;
}

} // namespace tessa
