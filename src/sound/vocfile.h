// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessa {

// The sample encodings a Creative Voice File holds that can be played (the VOC codec numbers:
// 0, 4, 6 and 7). Creative's own ADPCM codecs are refused.
enum class VocCodec { Unsigned8, Signed16, ALaw, MuLaw };

// The sound of a whole VOC file: the samples of all its sound blocks in order, as stored
// (interleaved, little-endian for 16 bits), with its silence blocks written out as silence.
struct VocSound
{
    int sampleRate = 0;
    int channels = 0;
    VocCodec codec = VocCodec::Unsigned8;
    std::vector<std::uint8_t> samples;
};

// True when `file` starts as a Creative Voice File does.
bool isVocFile(std::span<const std::uint8_t> file);

// Reads the blocks of a VOC file: sound data (1) with the extended header (8) that may lead it,
// continuations (2), silences (3) and sound data with a full format (9), up to the terminator (0)
// or the end of the file. Markers, text and repeats play no part and are passed over, as are
// blocks of unknown types. A block cut short by the end of the file gives what it holds. Refuses,
// with the reason as a sentence starting in lower case ("it holds no sound."), a damaged header,
// a sound block too short to hold its format, a codec that cannot be played, and sound blocks
// whose formats differ, and a sound longer than `maxSeconds`.
Expected<VocSound, std::string> readVocFile(std::span<const std::uint8_t> file, double maxSeconds);

// The sample rate of the sounds the game plays, and of the VOC files this program writes.
inline constexpr int kGameSoundRate = 11025;

// A VOC file of unsigned 8-bit mono `samples` at `sampleRate` (4,000 to 44,100; the one-byte
// time constant of the oldest players holds it only to about 1 %), as the oldest players read
// it: one sound block, continued in further blocks where it is longer than a block holds.
std::vector<std::uint8_t> writeVocFile(std::span<const std::uint8_t> samples, int sampleRate);

} // namespace tessa
