// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "playback/soundoutput.h"
#include "sound/soundclip.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace tessa {

// Plays the game's sound files for sound cues: sound n is the file the pattern names for n in the
// folder. Files are read once and kept until the folder or the pattern changes. One sound plays at
// a time, as on the game's sound card: a new cue cuts the one before.
//
// Nothing here interrupts the user: a missing or unreadable file, no sound output, or a folder
// without a file name pattern, becomes a note (the notes signal) that the window shows beside the
// picture. Without a folder cues are silent and say nothing.
class SoundCuePlayer : public QObject
{
    Q_OBJECT

public:
    // Plays through the system's sound output.
    explicit SoundCuePlayer(QObject *parent = nullptr);
    // Plays through `output` (never null).
    explicit SoundCuePlayer(std::unique_ptr<SoundOutput> output, QObject *parent = nullptr);
    ~SoundCuePlayer() override;

    void setFolder(const QString &folder);
    void setPattern(const QString &pattern);
    // Whether cues play files at all: both a folder and a pattern are set.
    bool isActive() const { return !m_folder.isEmpty() && !m_pattern.isEmpty(); }

    // The path sound `number` is read from, or the notice why there is none.
    Expected<QString, Notice> pathFor(std::int32_t number) const;
    // The clip of sound `number`, read on first use.
    const Expected<SoundClip, Notice> &clip(std::int32_t number);

    // Reads the files of the sounds `numbers` not read yet, and has the output ready for the first
    // that can be played: called before a run of cues starts, so that neither delays a cue. Says
    // nothing; what cannot be played is said at its cue.
    void prepare(const std::vector<std::int32_t> &numbers);
    void play(std::int32_t number);
    // Plays `clip` from frame `fromFrame` on, as a cue plays, cutting what plays (a sound being
    // made). Says nothing; false where it cannot be heard.
    bool playClip(const SoundClip &clip, std::int64_t fromFrame = 0);
    void stop();

signals:
    void note(const QString &text);

private:
    QString m_folder;
    QString m_pattern;
    std::map<std::int32_t, Expected<SoundClip, Notice>> m_clips;
    std::unique_ptr<SoundOutput> m_output;
};

} // namespace tessa
