// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/soundclip.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace tessa {

// Why a sound could not be started.
enum class SoundOutputFailure {
    NoOutput,     // the system has no sound output, or it cannot be opened
    FormatRefused // the output plays no sound of this rate and channel count
};

// The system's sound output, one sound at a time as on the game's sound card: starting a sound
// cuts the one that plays. The sound plays at its own rate and channel count; the system converts
// it to the device's, as it does any program's. Everything happens on the caller's thread and
// returns at once; the sound plays on while the caller goes on.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // Plays `clip` from frame `fromFrame` (0 to clip.frameCount()) to its end. The samples are
    // copied, so the clip may go as soon as this returns. On failure the sound that played
    // plays on.
    virtual std::optional<SoundOutputFailure> play(const SoundClip &clip,
                                                   std::int64_t fromFrame = 0) = 0;
    // Gets ready to play sounds of `sampleRate` and `channels` at once, until stop: called before
    // a run of sounds, so that the first starts as soon after its moment as the others do. Does
    // nothing where sounds start equally soon anyway; a failure shows at play.
    virtual void prepare(int sampleRate, int channels) = 0;
    // Cuts the sound that plays, if any, and what prepare made ready.
    virtual void stop() = 0;
};

// The output this build plays through: Qt Multimedia's where the build has it, the Windows audio
// API's (winmm) in the Windows build made without it.
std::unique_ptr<SoundOutput> makeSystemSoundOutput();

} // namespace tessa
