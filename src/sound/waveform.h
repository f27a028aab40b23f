// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundclip.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// The outline of a sound for drawing: the lowest and highest sample (-1 to 1, channels mixed)
// of every kSamplesPerPeak samples. Made once per sound; drawing any stretch of it at any width
// only gathers peaks, so that a timeline of many sounds draws without touching their samples.
class Waveform
{
public:
    static constexpr int kSamplesPerPeak = 32;

    struct Peak
    {
        float low = 0;
        float high = 0;
    };

    Waveform() = default;
    Waveform(std::span<const float> samples, int sampleRate);
    explicit Waveform(const SoundClip &clip);

    int sampleRate() const { return m_sampleRate; }
    double seconds() const { return m_sampleRate > 0 ? double(m_frames) / m_sampleRate : 0.0; }
    bool isEmpty() const { return m_peaks.empty(); }

    // The lowest and highest sample between `from` and `to` seconds (at least one peak's worth;
    // silence outside the sound).
    Peak between(double from, double to) const;

private:
    void add(float sample);

    int m_sampleRate = 0;
    std::int64_t m_frames = 0;
    std::vector<Peak> m_peaks;
};

} // namespace tessa
