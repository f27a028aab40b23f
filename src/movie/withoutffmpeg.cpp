// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The movie writers of a build made without FFmpeg (a Windows build before
// scripts/build-windows-ffmpeg has run): GIF and PNG sequences only, which have no sound track.
#include "moviewriter.h"
#include "soundmix.h"

namespace tessa {

Expected<std::unique_ptr<MovieWriter>, Notice>
openVideoWriter(const std::string &path, MovieFormat format, const MovieOptions &)
{
    const char *kind = format == MovieFormat::WebM ? "WebM" : "MP4";
    return Unexpected{
            movieFailure(std::string("Cannot write \"") + path + "\": " + kind
                         + " movies need FFmpeg's encoders, which this build was made without. "
                           "Write a GIF (.gif) or a PNG sequence (.png) instead.")};
}

MovieAudio mixSounds(const std::vector<PlacedSound> &, double, int)
{
    return {};
}

} // namespace tessa
