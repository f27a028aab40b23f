// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"

#include <QImage>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tessa {

// A picture of a movie and when it starts, in seconds from the start of the movie.
struct SourcePicture
{
    QImage image;
    double seconds = 0;
};

// The pictures of a movie, one at a time, so that a long movie never has to be held whole.
class MovieSource
{
public:
    virtual ~MovieSource() = default;

    // The next picture; nothing after the last. A refusal names the file.
    virtual Expected<std::optional<SourcePicture>, Notice> next() = 0;
    // When the last picture given ends, in seconds.
    virtual double endSeconds() const = 0;
    // How long the whole movie lasts as far as is known before it is read; 0 when unknown.
    virtual double durationSeconds() const = 0;
};

// The pictures of `path`: a folder of numbered pictures or a printf-style pattern of them
// (shots/f_%04d.png), shown at `fps` pictures a second, or a movie file that FFmpeg reads.
// Refuses, naming the file, a path that is none of these and a pattern or folder without
// pictures.
Expected<std::unique_ptr<MovieSource>, Notice> openMovieSource(const std::string &path, double fps);

// Whether openMovieSource takes `path` as numbered pictures (a folder, or a pattern that names
// no existing file) rather than as a movie file.
bool isPictureSequence(const std::string &path);

// The files openMovieSource reads for `path`: the movie file, or the numbered pictures; none when
// it names nothing. An output must be none of them.
std::vector<std::string> movieInputFiles(const std::string &path);

// The movie file at `path` through FFmpeg; in a build without FFmpeg, a refusal saying so.
Expected<std::unique_ptr<MovieSource>, Notice> openMovieFile(const std::string &path);

// Why a movie or picture could not be used: "Cannot encode "a.mp4": it holds no video."
Notice movieSourceRefusal(const std::string &path, Phrase why);

} // namespace tessa
