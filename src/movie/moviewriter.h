// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "imaging/palette.h"
#include "movieoptions.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace tessa {

// Writes one movie from a sequence of screens. Each screen shows from its moment until the next
// one's; finish() gives the end. Nothing appears at the target path before finish() succeeds: a
// writer destroyed before that (cancelled, or after a failure) leaves no file behind.
class MovieWriter
{
public:
    virtual ~MovieWriter() = default;

    // `pixels`: 320 x 200 palette indices; `colors`: the palette at that moment; `seconds`: when
    // it appears, never earlier than the screen before.
    virtual Expected<Done, Notice> addScreen(std::span<const std::uint8_t> pixels,
                                             const PaletteColors &colors, double seconds) = 0;
    // Ends the movie at `endSeconds` and puts it at the target path.
    virtual Expected<Done, Notice> finish(double endSeconds) = 0;
};

// The writer for `path`'s format (movieFormatFor).
Expected<std::unique_ptr<MovieWriter>, Notice> openMovieWriter(const std::string &path,
                                                               const MovieOptions &options);

// The WebM or MP4 writer, through FFmpeg; in a build without FFmpeg, the notice saying so.
Expected<std::unique_ptr<MovieWriter>, Notice>
openVideoWriter(const std::string &path, MovieFormat format, const MovieOptions &options);

// The notice of a movie that could not be written.
Notice movieFailure(const std::string &text);

} // namespace tessa
