// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Movie files in a build made without FFmpeg (the Windows build): refused, saying what works.
#include "moviesource.h"

namespace tessa {

Expected<std::unique_ptr<MovieSource>, Notice> openMovieFile(const std::string &path)
{
    return Unexpected{movieSourceRefusal(
            path, "movie files need FFmpeg, which this build was made without. Give a folder "
                  "of numbered pictures or a pattern such as shots/f_%04d.png instead.")};
}

} // namespace tessa
