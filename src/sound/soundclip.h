// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessa {

// A whole sound in memory: interleaved signed 16-bit samples (for stereo: left, right, left, ...).
struct SoundClip
{
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;

    std::int64_t frameCount() const
    {
        return channels > 0 ? std::int64_t(samples.size()) / channels : 0;
    }
    double seconds() const { return sampleRate > 0 ? double(frameCount()) / sampleRate : 0.0; }
};

// The longest sound loadSoundClip accepts; the game's cues last seconds.
inline constexpr double kMaxSoundSeconds = 600.0;

// Reads a sound file of any kind libsndfile knows (WAV, AIFF, ...; `path` in the system's
// encoding) or a Creative VOC file of any number of blocks (readVocFile), converted to 16-bit
// samples. A missing, unreadable or unknown file, one
// with no channels or more than 8, or one longer than kMaxSoundSeconds gives a notice naming the
// file and the reason.
Expected<SoundClip, Notice> loadSoundClip(const std::string &path);

} // namespace tessa
