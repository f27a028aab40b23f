// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "encode/moviesource.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

namespace tessa {

// A picture or a movie to compare the animation with, as the screen would show it: fitted to
// 320 x 200 with black bars, as Import Movie pads a picture. A movie is read forwards as the
// moments asked for move on, and from its start again when they go back, so that a long one is
// never held whole.
class ReferencePicture
{
public:
    // Reads `path`: a picture of any kind the image readers know, or a movie FFmpeg reads. A
    // refusal names the file.
    static Expected<ReferencePicture, Notice> open(const QString &path);

    // The picture shown `seconds` after the start (a still picture's at every moment), 320 x 200
    // in Format_RGB32; a null image past a movie's end or where it cannot be read.
    QImage at(double seconds);

private:
    // Opens the movie again at its first picture; why not, when it cannot.
    std::optional<Notice> restart();

    QString m_path;
    QImage m_still;
    std::unique_ptr<MovieSource> m_movie;
    std::optional<SourcePicture> m_current;
    std::optional<SourcePicture> m_next;
    QImage m_currentFitted;
};

} // namespace tessa
