// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Sound through the Windows audio API's waveOut functions (winmm), for the Windows build made
// without Qt Multimedia. waveOut takes a sound at any PCM rate and channel count and has the
// system convert it for the device, as Qt's sink has PulseAudio do on Linux; it is in every
// Windows and in Wine, and needs no DLL beside the program.
#include "soundoutput.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmreg.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace tessa {

namespace {

// The default output opened for one format; destroying it cuts what it plays.
class WaveDevice
{
public:
    WaveDevice() = default;
    WaveDevice(const WaveDevice &) = delete;
    WaveDevice &operator=(const WaveDevice &) = delete;
    ~WaveDevice()
    {
        if (!m_handle)
            return;
        stop();
        waveOutClose(m_handle);
    }

    // Opens the default output for `rate` and `channels` of 16-bit samples.
    std::optional<SoundOutputFailure> open(int rate, int channels)
    {
        if (waveOutGetNumDevs() == 0)
            return SoundOutputFailure::NoOutput;
        // More than two channels need WAVEFORMATEXTENSIBLE, which names their speakers: the
        // first ones in WAV files' order.
        WAVEFORMATEXTENSIBLE format{};
        format.Format.wFormatTag = channels > 2 ? WAVE_FORMAT_EXTENSIBLE : WAVE_FORMAT_PCM;
        format.Format.nChannels = WORD(channels);
        format.Format.nSamplesPerSec = DWORD(rate);
        format.Format.wBitsPerSample = 16;
        format.Format.nBlockAlign = WORD(channels * 2);
        format.Format.nAvgBytesPerSec = DWORD(rate) * format.Format.nBlockAlign;
        if (channels > 2) {
            format.Format.cbSize = sizeof format - sizeof format.Format;
            format.Samples.wValidBitsPerSample = 16;
            format.dwChannelMask = (1u << channels) - 1;
            format.SubFormat = KSDATAFORMAT_SUBTYPE_PCM;
        }
        HWAVEOUT handle = nullptr;
        const MMRESULT result =
                waveOutOpen(&handle, WAVE_MAPPER, &format.Format, 0, 0, CALLBACK_NULL);
        if (result == WAVERR_BADFORMAT)
            return SoundOutputFailure::FormatRefused;
        if (result != MMSYSERR_NOERROR)
            return SoundOutputFailure::NoOutput;
        m_handle = handle;
        m_rate = rate;
        m_channels = channels;
        return std::nullopt;
    }

    bool isOpenFor(int rate, int channels) const
    {
        return m_handle && m_rate == rate && m_channels == channels;
    }

    // Plays `samples` (kept by the device until stop) from the start.
    bool write(std::vector<std::int16_t> samples)
    {
        stop();
        m_samples = std::move(samples);
        m_header = WAVEHDR{};
        m_header.lpData = reinterpret_cast<LPSTR>(m_samples.data());
        m_header.dwBufferLength = DWORD(m_samples.size() * sizeof(std::int16_t));
        if (waveOutPrepareHeader(m_handle, &m_header, sizeof m_header) != MMSYSERR_NOERROR)
            return false;
        m_prepared = true;
        return waveOutWrite(m_handle, &m_header, sizeof m_header) == MMSYSERR_NOERROR;
    }

    // Cuts the sound and gives its buffer back.
    void stop()
    {
        if (!m_handle)
            return;
        waveOutReset(m_handle);
        if (m_prepared)
            waveOutUnprepareHeader(m_handle, &m_header, sizeof m_header);
        m_prepared = false;
        m_samples.clear();
    }

private:
    HWAVEOUT m_handle = nullptr;
    int m_rate = 0;
    int m_channels = 0;
    WAVEHDR m_header{};
    bool m_prepared = false;
    std::vector<std::int16_t> m_samples;
};

class WaveOutSoundOutput final : public SoundOutput
{
public:
    std::optional<SoundOutputFailure> play(const SoundClip &clip, std::int64_t fromFrame) override
    {
        // The device stays open between sounds of one format, so that a cue starts at once; a
        // sound of another format gets a device of its own before the old one is let go, so
        // that a refusal leaves the old sound playing.
        if (!m_device || !m_device->isOpenFor(clip.sampleRate, clip.channels)) {
            auto device = std::make_unique<WaveDevice>();
            if (auto failure = device->open(clip.sampleRate, clip.channels))
                return failure;
            m_device = std::move(device);
        }
        const std::int64_t first = std::clamp<std::int64_t>(fromFrame, 0, clip.frameCount());
        const auto from = clip.samples.begin() + std::ptrdiff_t(first * clip.channels);
        if (!m_device->write(std::vector<std::int16_t>(from, clip.samples.end()))) {
            m_device.reset();
            return SoundOutputFailure::NoOutput;
        }
        return std::nullopt;
    }

    void stop() override
    {
        if (m_device)
            m_device->stop();
    }

private:
    // A device's header must stay where the system was given it: devices are never moved.
    std::unique_ptr<WaveDevice> m_device;
};

} // namespace

std::unique_ptr<SoundOutput> makeSystemSoundOutput()
{
    return std::make_unique<WaveOutSoundOutput>();
}

} // namespace tessa
