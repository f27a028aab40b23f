// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesamples.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

// A small generator whose sequence is fixed by its seed (xorshift32), so that the dither, and
// with it the file written, never changes from run to run or from one system to another.
class Noise
{
public:
    // Uniform in [0, 1).
    float next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return float(m_state >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::uint32_t m_state = 0x9E3779B9u;
};

} // namespace

float peakOf(std::span<const float> samples)
{
    float peak = 0.0f;
    for (const float sample : samples)
        peak = std::max(peak, std::abs(sample));
    return peak;
}

std::vector<std::uint8_t> toGameSamples(std::span<const float> samples, bool normalise)
{
    const float peak = normalise ? peakOf(samples) : 0.0f;
    // In steps of 8 bits: full scale is 128 steps either way of the middle.
    const float gain = peak > 0.0f ? kGameSoundPeak / peak * 128.0f : 128.0f;
    Noise noise;
    std::vector<std::uint8_t> out;
    out.reserve(samples.size());
    for (const float sample : samples) {
        // The difference of two uniform values: triangular from -1 to 1 step.
        const float dither = noise.next() - noise.next();
        const float value = std::isfinite(sample) ? sample : 0.0f;
        const float level = std::round(value * gain + dither) + 128.0f;
        out.push_back(std::uint8_t(std::clamp(level, 0.0f, 255.0f)));
    }
    return out;
}

} // namespace tessa
