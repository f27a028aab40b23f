// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "imaging/palette.h"
#include "settings/playbacksettings.h"

#include <QString>

class QWidget;

namespace tessa {

class Dialogs;

// File > Export > Movie once the save dialog has given `path`: writes lines `fromLine` to
// `toLine` (0-based, -1: to the end) of `items` as the movie the extension names (.gif, .webm,
// .mp4, .png), in `colors`, with the tick rate, pause multiplier, 4:3 aspect and sound folder and
// pattern of `playback`, each pixel `scale` times. A progress box with Cancel shows meanwhile.
// Sounds that the kind of movie cannot hold are said first, with the GIF's size, and the user
// may stop there. A failure is shown as an error box, sounds that could not be read as one
// warning box; a cancel says nothing.
// True when the movie was written. Nothing is left at `path` unless it was.
bool exportMovie(QWidget *owner, Dialogs &dialogs, const ItemList &items,
                 const PaletteColors &colors, const PlaybackSettings &playback, const QString &path,
                 int scale = 1, int fromLine = 0, int toLine = -1);

} // namespace tessa
