// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundcueplayer.h"

#include "document/soundname.h"

#if TESSA_SOUND_OUTPUT
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#endif
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#if TESSA_SOUND_OUTPUT
#include <QMediaDevices>
#else
// Never made in a build without sound output; the player's destructor only needs a complete type.
class QAudioSink
{
};
#endif

namespace tessa {

SoundCuePlayer::SoundCuePlayer(QObject *parent)
    : QObject(parent)
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

void SoundCuePlayer::play(std::int32_t number)
{
    // Without a folder sounds are simply not asked for; a folder without a pattern is a choice
    // left half made, which the user should hear about rather than wonder at the silence. A build
    // without sound output shows the cues as if no folder were set; the window says why.
    if (m_folder.isEmpty() || !hasSoundOutput())
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
#if TESSA_SOUND_OUTPUT
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        emit note(tr("Sound %1: there is no sound output.").arg(number));
        return;
    }
    QAudioFormat format;
    format.setSampleRate(sound->sampleRate);
    format.setChannelCount(sound->channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        emit note(tr("Sound %1: the sound output cannot play %2 Hz with %3 channels.")
                          .arg(number)
                          .arg(sound->sampleRate)
                          .arg(sound->channels));
        return;
    }
    stop();
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(reinterpret_cast<const char *>(sound->samples.data()),
                      qsizetype(sound->samples.size() * sizeof(std::int16_t)));
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(m_buffer.get());
#endif
}

bool SoundCuePlayer::playClip(const SoundClip &clip, std::int64_t fromFrame)
{
#if TESSA_SOUND_OUTPUT
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(clip.sampleRate);
    format.setChannelCount(clip.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format) || fromFrame < 0
        || fromFrame >= clip.frameCount())
        return false;
    stop();
    const std::size_t first = std::size_t(fromFrame * clip.channels);
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(reinterpret_cast<const char *>(clip.samples.data() + first),
                      qsizetype((clip.samples.size() - first) * sizeof(std::int16_t)));
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(m_buffer.get());
    return true;
#else
    (void)clip;
    (void)fromFrame;
    return false;
#endif
}

void SoundCuePlayer::stop()
{
#if TESSA_SOUND_OUTPUT
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_buffer.reset();
#endif
}

bool SoundCuePlayer::hasSoundOutput()
{
    return TESSA_SOUND_OUTPUT;
}

} // namespace tessa
