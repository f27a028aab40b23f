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

// KSDATAFORMAT_SUBTYPE_PCM, which MinGW declares but leaves to a library of its own (ksuser).
constexpr GUID kPcmSubFormat = {
        0x00000001, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The default output opened for one format; destroying it cuts what it plays.
//
// Between sounds, and after a prepare, the device plays silence, looped: a device that has run
// dry takes longer to start again than one that is cut, so that without it the first sound of a
// run would come later than the others (a tick and more under Wine).
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
        if (m_silencePrepared)
            waveOutUnprepareHeader(m_handle, &m_silenceHeader, sizeof m_silenceHeader);
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
            format.SubFormat = kPcmSubFormat;
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
        // A twentieth of a second, played over and over.
        m_silence.assign(std::size_t(std::max(1, rate / 20) * channels), 0);
        m_silenceHeader.lpData = reinterpret_cast<LPSTR>(m_silence.data());
        m_silenceHeader.dwBufferLength = DWORD(m_silence.size() * sizeof(std::int16_t));
        m_silenceHeader.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
        m_silenceHeader.dwLoops = MAXDWORD;
        if (waveOutPrepareHeader(m_handle, &m_silenceHeader, sizeof m_silenceHeader)
            != MMSYSERR_NOERROR)
            return SoundOutputFailure::NoOutput;
        m_silencePrepared = true;
        return std::nullopt;
    }

    bool isOpenFor(int rate, int channels) const
    {
        return m_handle && m_rate == rate && m_channels == channels;
    }

    // Plays `samples` (kept by the device until the next write or stop) from the start, and
    // silence after them.
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
        return waveOutWrite(m_handle, &m_header, sizeof m_header) == MMSYSERR_NOERROR
               && playSilence();
    }

    // Plays silence until the next write or stop, unless something plays already.
    bool keepRunning()
    {
        if (m_running)
            return true;
        return playSilence();
    }

    // Cuts what plays, silence included, and gives the buffers back.
    void stop()
    {
        if (!m_handle)
            return;
        waveOutReset(m_handle);
        if (m_prepared)
            waveOutUnprepareHeader(m_handle, &m_header, sizeof m_header);
        m_prepared = false;
        m_running = false;
        m_samples.clear();
    }

private:
    bool playSilence()
    {
        m_running = waveOutWrite(m_handle, &m_silenceHeader, sizeof m_silenceHeader)
                    == MMSYSERR_NOERROR;
        return m_running;
    }

    HWAVEOUT m_handle = nullptr;
    int m_rate = 0;
    int m_channels = 0;
    WAVEHDR m_header{};
    bool m_prepared = false;
    std::vector<std::int16_t> m_samples;
    std::vector<std::int16_t> m_silence;
    WAVEHDR m_silenceHeader{};
    bool m_silencePrepared = false;
    // Silence or a sound is queued.
    bool m_running = false;
};

class WaveOutSoundOutput final : public SoundOutput
{
public:
    std::optional<SoundOutputFailure> play(const SoundClip &clip, std::int64_t fromFrame) override
    {
        if (auto failure = deviceFor(clip.sampleRate, clip.channels))
            return failure;
        const std::int64_t first = std::clamp<std::int64_t>(fromFrame, 0, clip.frameCount());
        const auto from = clip.samples.begin() + std::ptrdiff_t(first * clip.channels);
        if (!m_device->write(std::vector<std::int16_t>(from, clip.samples.end()))) {
            m_device.reset();
            return SoundOutputFailure::NoOutput;
        }
        return std::nullopt;
    }

    void prepare(int sampleRate, int channels) override
    {
        if (deviceFor(sampleRate, channels) || !m_device->keepRunning())
            m_device.reset();
    }

    void stop() override
    {
        if (m_device)
            m_device->stop();
    }

private:
    // The device stays open between sounds of one format; a sound of another format gets a
    // device of its own before the old one is let go, so that a refusal leaves the old sound
    // playing.
    std::optional<SoundOutputFailure> deviceFor(int rate, int channels)
    {
        if (m_device && m_device->isOpenFor(rate, channels))
            return std::nullopt;
        auto device = std::make_unique<WaveDevice>();
        if (auto failure = device->open(rate, channels))
            return failure;
        m_device = std::move(device);
        return std::nullopt;
    }

    // A device's headers must stay where the system was given them: devices are never moved.
    std::unique_ptr<WaveDevice> m_device;
};

} // namespace

std::unique_ptr<SoundOutput> makeSystemSoundOutput()
{
    return std::make_unique<WaveOutSoundOutput>();
}

} // namespace tessa
