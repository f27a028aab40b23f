// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundfilestore.h"

#include <QFile>
#include <QFileInfo>

namespace tessa {

namespace {

std::pair<QDateTime, qint64> stampOf(const QString &path)
{
    const QFileInfo file(path);
    return {file.lastModified(), file.isFile() ? file.size() : -1};
}

} // namespace

const SoundFileStore::Sound &SoundFileStore::sound(const QString &path)
{
    auto found = m_sounds.find(path);
    if (found != m_sounds.end())
        return found->second.sound;
    Entry entry;
    std::tie(entry.modified, entry.size) = stampOf(path);
    if (entry.size < 0) {
        entry.sound.missing = true;
    } else {
        ++m_reads;
        auto clip = loadSoundClip(QFile::encodeName(path).toStdString());
        if (clip) {
            entry.sound.found = true;
            entry.sound.waveform = Waveform(*clip);
            entry.sound.clip = std::move(*clip);
        } else {
            entry.sound.problem = QString::fromStdString(clip.error().text);
        }
    }
    return m_sounds.emplace(path, std::move(entry)).first->second.sound;
}

bool SoundFileStore::refresh()
{
    bool changed = false;
    for (auto it = m_sounds.begin(); it != m_sounds.end();) {
        if (stampOf(it->first) != std::pair{it->second.modified, it->second.size}) {
            it = m_sounds.erase(it);
            changed = true;
        } else {
            ++it;
        }
    }
    return changed;
}

} // namespace tessa
