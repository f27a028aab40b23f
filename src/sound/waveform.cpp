// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform.h"

#include <algorithm>
#include <cmath>

namespace tessa {

void Waveform::add(float sample)
{
    if (m_frames % kSamplesPerPeak == 0)
        m_peaks.push_back({sample, sample});
    Peak &peak = m_peaks.back();
    peak.low = std::min(peak.low, sample);
    peak.high = std::max(peak.high, sample);
    ++m_frames;
}

Waveform::Waveform(std::span<const float> samples, int sampleRate)
    : m_sampleRate(sampleRate)
{
    m_peaks.reserve(samples.size() / kSamplesPerPeak + 1);
    for (const float sample : samples)
        add(std::isfinite(sample) ? std::clamp(sample, -1.0f, 1.0f) : 0.0f);
}

Waveform::Waveform(const SoundClip &clip)
    : m_sampleRate(clip.sampleRate)
{
    if (clip.channels <= 0)
        return;
    const std::int64_t frames = clip.frameCount();
    m_peaks.reserve(std::size_t(frames / kSamplesPerPeak + 1));
    for (std::int64_t frame = 0; frame < frames; ++frame) {
        int sum = 0;
        for (int channel = 0; channel < clip.channels; ++channel)
            sum += clip.samples[std::size_t(frame * clip.channels + channel)];
        add(float(sum) / (32768.0f * float(clip.channels)));
    }
}

Waveform::Peak Waveform::between(double from, double to) const
{
    if (m_peaks.empty() || !(to > from))
        return {};
    const double perSecond = double(m_sampleRate) / kSamplesPerPeak;
    const auto last = std::int64_t(m_peaks.size()) - 1;
    const auto first = std::int64_t(std::floor(from * perSecond));
    const auto end = std::max(first, std::int64_t(std::ceil(to * perSecond)) - 1);
    if (end < 0 || first > last)
        return {};
    Peak peak{1.0f, -1.0f};
    for (std::int64_t i = std::max<std::int64_t>(first, 0); i <= std::min(end, last); ++i) {
        peak.low = std::min(peak.low, m_peaks[std::size_t(i)].low);
        peak.high = std::max(peak.high, m_peaks[std::size_t(i)].high);
    }
    return peak;
}

} // namespace tessa
