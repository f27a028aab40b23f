// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movieoptions.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// One sound placed in the movie: interleaved 16-bit samples that start at `seconds`.
struct PlacedSound
{
    double seconds = 0.0;
    int sampleRate = 0;
    int channels = 0;
    std::span<const std::int16_t> samples;
};

// The sounds mixed into one stereo track of exactly `durationSeconds` at `sampleRate`: each is
// resampled (swresample), added where it starts, cut at the end, and the sum clipped to 16 bits.
// Sounds that overlap play together, as the game's mixer plays them. A sound with no samples or
// an unusable rate or channel count adds nothing.
MovieAudio mixSounds(const std::vector<PlacedSound> &sounds, double durationSeconds,
                     int sampleRate = 48000);

} // namespace tessa
