// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Sound through Qt Multimedia's QAudioSink, on the system's default output.
#include "soundoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <algorithm>

namespace tessa {

namespace {

class QtSoundOutput final : public SoundOutput
{
public:
    ~QtSoundOutput() override { stop(); }

    std::optional<SoundOutputFailure> play(const SoundClip &clip, std::int64_t fromFrame) override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return SoundOutputFailure::NoOutput;
        QAudioFormat format;
        format.setSampleRate(clip.sampleRate);
        format.setChannelCount(clip.channels);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format))
            return SoundOutputFailure::FormatRefused;
        stop();
        const std::int64_t first = std::clamp<std::int64_t>(fromFrame, 0, clip.frameCount());
        const std::int16_t *samples = clip.samples.data() + first * clip.channels;
        const std::int64_t count = (clip.frameCount() - first) * clip.channels;
        m_buffer = std::make_unique<QBuffer>();
        m_buffer->setData(reinterpret_cast<const char *>(samples),
                          qsizetype(count * qsizetype(sizeof(std::int16_t))));
        m_buffer->open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->start(m_buffer.get());
        return std::nullopt;
    }

    // Each sound has a sink of its own, which starts equally soon for every sound.
    void prepare(int, int) override {}

    void stop() override
    {
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
        m_buffer.reset();
    }

private:
    // The buffer outlives the sink that reads it.
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace

std::unique_ptr<SoundOutput> makeSystemSoundOutput()
{
    return std::make_unique<QtSoundOutput>();
}

} // namespace tessa
