// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace tessa {

class EditorContext;
class SoundCuePlayer;

// Project > Import Sound: any sound (WAV, MP3, OGG, FLAC, a movie's sound track) made into one of
// the game's sound files, where the preview plays them from, and a "Play sound" line before the
// selected line that plays it, as one step; also a sound file dropped on the window.
class SoundImportFeature : public QObject
{
    Q_OBJECT

public:
    explicit SoundImportFeature(EditorContext &context);

    // Asks how to take the sound at `path` and, once its file is written, cues it before `line`
    // as one step; false when nothing was written or inserted.
    bool importSound(const QString &path, int line);

    // Whether a dropped file is a sound by its name.
    static bool isSoundFile(const QString &path);

private:
    void chooseSound();
    bool mayCueAt(int line) const;
    SoundCuePlayer &player();

    EditorContext &m_context;
    SoundCuePlayer *m_player = nullptr; // made when the dialog first plays
};

} // namespace tessa
