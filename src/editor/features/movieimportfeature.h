// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"

#include <QObject>
#include <QString>

#include <optional>

namespace tessa {

class EditorContext;
struct EncodeOptions;
struct MovieImportChoice;

// Project > Import Movie: a movie's pictures in the palette and the pauses that keep its timing,
// before the selected line, as one step; also a movie or a folder of numbered pictures dropped
// on the window.
class MovieImportFeature : public QObject
{
    Q_OBJECT

public:
    explicit MovieImportFeature(EditorContext &context);

    // Asks how to take the movie at `path` (a file, or a folder of numbered pictures) and puts
    // its images and pauses before `line` as one step; false when nothing was inserted.
    bool importMovie(const QString &path, int line);

private:
    void chooseMovie();
    // Whether a dropped file is a movie by its name.
    static bool isMovieFile(const QString &path);
    // The movie encoded as `choice` says, with a progress box that can stop it; nothing (and
    // the reason shown) when it was refused or stopped.
    std::optional<ItemList> encodeWithProgress(const QString &path, const MovieImportChoice &choice,
                                               const EncodeOptions &options);

    EditorContext &m_context;
};

} // namespace tessa
