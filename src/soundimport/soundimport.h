// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiodecoder.h"
#include "document/expected.h"
#include "document/notice.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessa {

// What is taken of an audio file: a part of it, and whether its level is kept as it is rather
// than brought up (or down) so that its loudest moment fills the 8 bits.
struct SoundImportChoice
{
    AudioPart part;
    bool keepLevel = false;
};

// Why an audio file was not made into a sound, with the file it was about.
struct SoundImportRefusal
{
    AudioFailure failure = AudioFailure::NotAudio;
    std::string path;
};

// The refusal in English, for tessanim and scripts: "Cannot make \"x.mp3\" a sound: ...".
Notice soundImportNotice(const SoundImportRefusal &refusal);

// The game's unsigned 8-bit samples (kGameSoundRate a second) of decoded `audio`, at its rate
// already: brought to level unless `keepLevel`, and dithered (toGameSamples).
std::vector<std::uint8_t> gameSoundOf(std::span<const float> audio, bool keepLevel);

// The sound of the audio or movie file at `path`, the part `choice` takes, as the game's
// unsigned 8-bit mono samples at kGameSoundRate; refused with the reason when the file holds no
// sound, the part none, or the part is longer than the preview plays
// (kMaxSoundSeconds).
Expected<std::vector<std::uint8_t>, SoundImportRefusal>
importSound(const std::string &path, const SoundImportChoice &choice);

// Writes `samples` (unsigned 8-bit mono at kGameSoundRate) as the VOC file `path`, safely, the
// file it replaces kept as `path` + ".bak"; on failure nothing has changed.
Expected<Done, Notice> writeGameSound(const std::string &path,
                                      std::span<const std::uint8_t> samples);

// importSound of `audioPath` written as writeGameSound writes `soundPath`, the refusal worded
// by soundImportNotice: tessanim's and scripts' whole import.
Expected<Done, Notice> makeGameSound(const std::string &audioPath, const SoundImportChoice &choice,
                                     const std::string &soundPath);

} // namespace tessa
