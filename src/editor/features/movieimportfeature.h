// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "platform/importmoviedialog.h"

#include <QObject>
#include <QString>

#include <optional>

namespace tessa {

class EditorContext;
struct EncodeOptions;

// Project > Import Movie: a movie's pictures in the palette and the pauses that keep its timing,
// before the selected line, as one step; also a movie or a folder of numbered pictures dropped
// on the window. File > New Animation from Movie begins a new animation with one. The choices
// made in the dialog are kept for the next import while the program runs.
class MovieImportFeature : public QObject
{
    Q_OBJECT

public:
    explicit MovieImportFeature(EditorContext &context);

    // Asks how to take the movie at `path` (a file, a folder of numbered pictures, or one of
    // numbered pictures standing for all of them) and puts its images and pauses before `line`
    // as one step; false when nothing was inserted. With no animation open, begins one with it.
    bool importMovie(const QString &path, int line);
    // Begins a new animation, unsaved, with the movie at `path`, after the question about
    // unsaved changes; false when it did not.
    bool beginWithMovie(const QString &path);

    // The suffixes of the kinds of movie files offered, lower case, without dots.
    static QStringList movieKinds();

private:
    // A movie made into items, with the sound it cues.
    struct Taken
    {
        ItemList items; // ends with End
        int sound = -1;
        QString soundFile;
    };

    // The open dialog for a movie or numbered pictures; "" when cancelled.
    QString chooseMovieFile();
    // Whether a dropped file is a movie by its name.
    static bool isMovieFile(const QString &path);
    // What the dialog is to show of the movie at `path` going in before `line` of `around`
    // (whose cued sounds are not offered, and which must outlive the request); nothing, and the
    // refusal shown, when it is no movie.
    std::optional<MovieImportRequest> requestFor(const QString &path, const ItemList &around,
                                                 int line);
    // Asks how to take the movie (again after a No to replacing its sound file), encodes it and
    // writes its sound. It goes among `around`, before `line`: a size limit counts what it adds
    // to their file.
    std::optional<Taken> takeMovie(MovieImportRequest request, const ItemList &around, int line);
    // The movie encoded as `choice` says, with a progress box that can stop it; nothing (and
    // the reason shown) when it was refused or stopped.
    std::optional<ItemList> encodeWithProgress(const QString &path, const MovieImportChoice &choice,
                                               const EncodeOptions &options, const ItemList &around,
                                               int line);

    EditorContext &m_context;
    // The last choices made in the dialog, and of which movie, for the next time it opens.
    std::optional<MovieImportChoice> m_lastChoice;
    QString m_lastMovie;
};

} // namespace tessa
