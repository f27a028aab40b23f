// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// Where a sound's loudest sample is put when it is brought to level: 126 of the 127 steps of
// 8 bits above the middle, leaving one step for the dither.
inline constexpr float kGameSoundPeak = 126.0f / 128.0f;

// The loudest sample of `samples`, as a magnitude (0 for none).
float peakOf(std::span<const float> samples);

// Float samples (full scale at -1 and 1) as the game's unsigned 8-bit samples (silence at 128):
// with `normalise`, scaled so that the loudest reaches kGameSoundPeak (silence stays silence);
// then reduced to 8 bits with triangular (TPDF) dither of one step either way, which turns the
// steps' distortion into a faint even hiss, and clipped to 0..255. The dither's noise is the
// same on every call, so that the same sound always gives the same bytes.
std::vector<std::uint8_t> toGameSamples(std::span<const float> samples, bool normalise);

} // namespace tessa
