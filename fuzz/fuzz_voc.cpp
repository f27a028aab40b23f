// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Creative Voice Files of any bytes: read within bounds, and a sound of 8-bit mono samples read
// from one comes back the same once written again.
#include "fuzzcheck.h"
#include "sound/vocfile.h"

#include <span>

using namespace tessa;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Ten seconds at the highest rate and most channels the reader takes is 31 MB, within the
    // fuzzer's limit for one allocation.
    const auto sound = readVocFile(std::span(data, size), 10.0);
    if (!sound || sound->samples.empty())
        return 0;
    require(sound->channels >= 1 && sound->sampleRate >= 1, "a sound has channels and a rate");
    if (sound->channels != 1 || sound->codec != VocCodec::Unsigned8 || sound->sampleRate < 4000
        || sound->sampleRate > 44100)
        return 0;
    const auto written = writeVocFile(sound->samples, sound->sampleRate);
    const auto again = readVocFile(written, 10.0);
    require(again && again->samples == sound->samples, "a written sound reads back the same");
    return 0;
}
