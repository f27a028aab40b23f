// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundimport.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "gamesamples.h"
#include "sound/soundclip.h"
#include "sound/vocfile.h"

#include <string>

namespace tessa {

Notice soundImportNotice(const SoundImportRefusal &refusal)
{
    std::string why;
    switch (refusal.failure) {
    case AudioFailure::NotAudio:
        why = "it is not a sound or movie file FFmpeg can read.";
        break;
    case AudioFailure::NoSound:
        why = "it holds no sound that FFmpeg can decode.";
        break;
    case AudioFailure::Undecodable:
        why = "its sound cannot be decoded.";
        break;
    case AudioFailure::TooLong:
        why = "the sound is longer than " + std::to_string(int(kMaxSoundSeconds))
              + " seconds; take a part of it.";
        break;
    case AudioFailure::NothingThere:
        why = "it holds no sound in that part.";
        break;
    case AudioFailure::NoDecoder:
        why = "reading sound files needs FFmpeg, which this build was made without.";
        break;
    }
    return Notice::failure("Error", "Cannot make \"" + refusal.path + "\" a sound: " + why);
}

std::vector<std::uint8_t> gameSoundOf(std::span<const float> audio, bool keepLevel)
{
    return toGameSamples(audio, !keepLevel);
}

Expected<std::vector<std::uint8_t>, SoundImportRefusal> importSound(const std::string &path,
                                                                    const SoundImportChoice &choice)
{
    const auto audio = decodeAudio(path, kGameSoundRate, choice.part, kMaxSoundSeconds);
    if (!audio)
        return Unexpected{SoundImportRefusal{audio.error(), path}};
    return gameSoundOf(audio->samples, choice.keepLevel);
}

Expected<Done, Notice> writeGameSound(const std::string &path,
                                      std::span<const std::uint8_t> samples)
{
    const auto voc = writeVocFile(samples, kGameSoundRate);
    if (auto written = replaceFile(path, voc, Backup::Keep); !written)
        return Unexpected{fileFailureNotice(written.error())};
    return Done{};
}

Expected<Done, Notice> makeGameSound(const std::string &audioPath, const SoundImportChoice &choice,
                                     const std::string &soundPath)
{
    const auto samples = importSound(audioPath, choice);
    if (!samples)
        return Unexpected{soundImportNotice(samples.error())};
    return writeGameSound(soundPath, *samples);
}

} // namespace tessa
