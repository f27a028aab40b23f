// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundcueplayer.h"

#include "document/soundname.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tessa {

SoundCuePlayer::SoundCuePlayer(QObject *parent)
    : SoundCuePlayer(makeSystemSoundOutput(), parent)
{
}

SoundCuePlayer::SoundCuePlayer(std::unique_ptr<SoundOutput> output, QObject *parent)
    : QObject(parent)
    , m_output(std::move(output))
{
}

SoundCuePlayer::~SoundCuePlayer()
{
    stop();
}

void SoundCuePlayer::setFolder(const QString &folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    m_clips.clear();
}

void SoundCuePlayer::setPattern(const QString &pattern)
{
    if (pattern == m_pattern)
        return;
    m_pattern = pattern;
    m_clips.clear();
}

Expected<QString, Notice> SoundCuePlayer::pathFor(std::int32_t number) const
{
    const Expected<std::string, Notice> name = formatSoundName(m_pattern.toStdString(), number);
    if (!name)
        return Unexpected{name.error()};
    return QDir(m_folder).filePath(QString::fromStdString(*name));
}

const Expected<SoundClip, Notice> &SoundCuePlayer::clip(std::int32_t number)
{
    auto found = m_clips.find(number);
    if (found == m_clips.end()) {
        const Expected<QString, Notice> path = pathFor(number);
        Expected<SoundClip, Notice> loaded = Unexpected{Notice{}};
        if (!path)
            loaded = Unexpected{path.error()};
        else if (!QFileInfo(*path).isFile())
            loaded = Unexpected{Notice::plain(
                    tr("%1 is missing.").arg(QDir::toNativeSeparators(*path)).toStdString())};
        else
            loaded = loadSoundClip(QFile::encodeName(*path).toStdString());
        found = m_clips.emplace(number, std::move(loaded)).first;
    }
    return found->second;
}

void SoundCuePlayer::prepare(const std::vector<std::int32_t> &numbers)
{
    if (!isActive())
        return;
    bool ready = false;
    for (const std::int32_t number : numbers) {
        const Expected<SoundClip, Notice> &sound = clip(number);
        if (sound && !ready) {
            m_output->prepare(sound->sampleRate, sound->channels);
            ready = true;
        }
    }
}

void SoundCuePlayer::play(std::int32_t number)
{
    // Without a folder sounds are simply not asked for; a folder without a pattern is a choice
    // left half made, which the user should hear about rather than wonder at the silence.
    if (m_folder.isEmpty())
        return;
    if (m_pattern.isEmpty()) {
        emit note(tr("Sound %1: no file name pattern is set, so no sound is played.").arg(number));
        return;
    }
    const Expected<SoundClip, Notice> &sound = clip(number);
    if (!sound) {
        emit note(tr("Sound %1: %2").arg(number).arg(QString::fromStdString(sound.error().text)));
        return;
    }
    const std::optional<SoundOutputFailure> failure = m_output->play(*sound);
    if (failure == SoundOutputFailure::NoOutput)
        emit note(tr("Sound %1: there is no sound output.").arg(number));
    else if (failure == SoundOutputFailure::FormatRefused)
        emit note(tr("Sound %1: the sound output cannot play %2 Hz with %3 channels.")
                          .arg(number)
                          .arg(sound->sampleRate)
                          .arg(sound->channels));
}

bool SoundCuePlayer::playClip(const SoundClip &clip, std::int64_t fromFrame)
{
    if (fromFrame < 0 || fromFrame >= clip.frameCount())
        return false;
    return !m_output->play(clip, fromFrame);
}

void SoundCuePlayer::stop()
{
    m_output->stop();
}

} // namespace tessa
