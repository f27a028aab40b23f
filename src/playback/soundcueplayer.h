// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "sound/soundclip.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QAudioSink;
class QBuffer;

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
    explicit SoundCuePlayer(QObject *parent = nullptr);
    ~SoundCuePlayer() override;

    void setFolder(const QString &folder);
    void setPattern(const QString &pattern);
    // Whether this build can play sounds at all: it is made without Qt Multimedia where that is
    // not available (the Windows build), and then cues are shown but never heard.
    static bool hasSoundOutput();
    // Whether cues play files at all: both a folder and a pattern are set.
    bool isActive() const { return !m_folder.isEmpty() && !m_pattern.isEmpty(); }

    // The path sound `number` is read from, or the notice why there is none.
    Expected<QString, Notice> pathFor(std::int32_t number) const;
    // The clip of sound `number`, read on first use.
    const Expected<SoundClip, Notice> &clip(std::int32_t number);

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
    // The buffer outlives the sink that reads it.
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace tessa
