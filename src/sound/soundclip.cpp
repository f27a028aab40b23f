// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundclip.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace tessa {

namespace {

constexpr int kMaxChannels = 8;
constexpr sf_count_t kBlockFrames = 4096;

std::int16_t toSample(float value)
{
    const float scaled = std::nearbyint(value * 32768.0f);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

struct SndFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};

Unexpected<Notice> refuse(const std::string &path, const std::string &reason)
{
    return Unexpected{
            Notice::failure("Sound", "The sound file " + path + " cannot be played: " + reason)};
}

} // namespace

Expected<SoundClip, Notice> loadSoundClip(const std::string &path)
{
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndFileCloser> file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file)
        return refuse(path, sf_strerror(nullptr));
    if (info.channels < 1 || info.channels > kMaxChannels)
        return refuse(path, "it has " + std::to_string(info.channels) + " channels.");
    if (info.samplerate < 1)
        return refuse(path, "it has no sample rate.");
    if (info.frames < 0 || double(info.frames) > kMaxSoundSeconds * info.samplerate)
        return refuse(path,
                      "it is longer than " + std::to_string(int(kMaxSoundSeconds)) + " seconds.");

    SoundClip clip;
    clip.sampleRate = info.samplerate;
    clip.channels = info.channels;
    clip.samples.reserve(static_cast<std::size_t>(info.frames) * std::size_t(info.channels));
    // Read as floats (-1 to 1) and convert here: libsndfile's own float-to-short conversion either
    // truncates to 0 or normalises to the file's peak. Times 32768 gives 8- and 16-bit sources
    // back exactly.
    std::vector<float> block(std::size_t(kBlockFrames) * std::size_t(info.channels));
    // A file whose header promised more than it holds plays what it has.
    for (sf_count_t total = 0; total < info.frames;) {
        const sf_count_t wanted = std::min(kBlockFrames, info.frames - total);
        const sf_count_t read = sf_readf_float(file.get(), block.data(), wanted);
        if (read < 0 || sf_error(file.get()) != SF_ERR_NO_ERROR)
            return refuse(path, sf_strerror(file.get()));
        if (read == 0)
            break;
        const std::size_t count = static_cast<std::size_t>(read) * std::size_t(info.channels);
        for (std::size_t i = 0; i < count; ++i)
            clip.samples.push_back(toSample(block[i]));
        total += read;
    }
    return clip;
}

} // namespace tessa
