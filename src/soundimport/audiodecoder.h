// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"

#include <string>
#include <vector>

namespace tessa {

// A part of a sound, in seconds from its start; `to` below 0: to its end.
struct AudioPart
{
    double from = 0.0;
    double to = -1.0;
};

// Why a file gives no sound.
enum class AudioFailure {
    NotAudio,     // FFmpeg does not know the file (or it is missing or cannot be read)
    NoSound,      // a file FFmpeg knows, with no sound in it that it can decode
    Undecodable,  // its sound cannot be decoded or converted
    TooLong,      // the part is longer than the longest allowed
    NothingThere, // the part holds no sound (it starts at or after the end)
    NoDecoder     // this build has no FFmpeg
};

// A sound mixed down to one channel of samples at `rate` a second, full scale at -1 and 1 (a
// resampled sound may go a little beyond).
struct DecodedAudio
{
    int rate = 0;
    std::vector<float> samples;

    double seconds() const { return rate > 0 ? double(samples.size()) / rate : 0.0; }
};

// The sound of the file at `path` (any audio or movie file FFmpeg reads; `path` in UTF-8), the
// `part` of it, mixed to mono and resampled to `rate` with libswresample. The part is cut at
// exact samples of the result, so that a part's length does not depend on the source's frames.
// A part longer than `maxSeconds` is refused as soon as decoding gets past it, so that a long
// movie costs no more than that much.
Expected<DecodedAudio, AudioFailure> decodeAudio(const std::string &path, int rate, AudioPart part,
                                                 double maxSeconds);

} // namespace tessa
