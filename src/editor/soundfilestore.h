// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/soundclip.h"
#include "sound/waveform.h"

#include <QDateTime>
#include <QString>

#include <map>

namespace tessa {

// The game's sound files as the timeline shows and scrubs them: each read once, its samples and
// waveform kept, and read again only once refresh() has found that the file changed (written
// anew, replaced, gone or come). Nothing here reads a file while it is only being drawn.
class SoundFileStore
{
public:
    struct Sound
    {
        bool found = false;   // the file was there and read
        bool missing = false; // there is no such file
        QString problem;      // why a file that is there was not read
        SoundClip clip;
        Waveform waveform;
    };

    // The sound of the file at `path`, read on the first call.
    const Sound &sound(const QString &path);
    // Looks at every file read so far and forgets those that changed since; true when any did.
    bool refresh();
    // Forgets every file (the sound folder changed).
    void clear() { m_sounds.clear(); }
    // How many times a file was read, for those who measure.
    int reads() const { return m_reads; }

private:
    struct Entry
    {
        Sound sound;
        QDateTime modified;
        qint64 size = -1; // -1: the file was not there
    };
    std::map<QString, Entry> m_sounds;
    int m_reads = 0;
};

} // namespace tessa
