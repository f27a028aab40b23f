// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Sound files in a build made without FFmpeg: refused, saying why.
#include "audiodecoder.h"

namespace tessa {

Expected<DecodedAudio, AudioFailure> decodeAudio(const std::string &, int, AudioPart, double)
{
    return Unexpected{AudioFailure::NoDecoder};
}

} // namespace tessa
