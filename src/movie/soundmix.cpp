// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundmix.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/mathematics.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cmath>
#include <limits>

namespace tessa {

namespace {

constexpr int kOutChannels = 2;

// The sound at `rate` in stereo; empty when swresample refuses it.
std::vector<std::int16_t> resampled(const PlacedSound &sound, int rate)
{
    AVChannelLayout in{};
    AVChannelLayout out{};
    av_channel_layout_default(&in, sound.channels);
    av_channel_layout_default(&out, kOutChannels);
    SwrContext *swr = nullptr;
    std::vector<std::int16_t> result;
    if (swr_alloc_set_opts2(&swr, &out, AV_SAMPLE_FMT_S16, rate, &in, AV_SAMPLE_FMT_S16,
                            sound.sampleRate, 0, nullptr)
                == 0
        && swr_init(swr) == 0) {
        const int frames = static_cast<int>(sound.samples.size() / std::size_t(sound.channels));
        const auto room = av_rescale_rnd(frames, rate, sound.sampleRate, AV_ROUND_UP) + 256;
        result.resize(std::size_t(room) * kOutChannels);
        auto *target = reinterpret_cast<std::uint8_t *>(result.data());
        const auto *source = reinterpret_cast<const std::uint8_t *>(sound.samples.data());
        int made = swr_convert(swr, &target, static_cast<int>(room), &source, frames);
        if (made >= 0) {
            target = reinterpret_cast<std::uint8_t *>(result.data() + made * kOutChannels);
            const int rest = swr_convert(swr, &target, static_cast<int>(room) - made, nullptr, 0);
            made += std::max(rest, 0);
            result.resize(std::size_t(made) * kOutChannels);
        } else {
            result.clear();
        }
    }
    swr_free(&swr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    return result;
}

} // namespace

MovieAudio mixSounds(const std::vector<PlacedSound> &sounds, double durationSeconds, int sampleRate)
{
    MovieAudio audio;
    audio.sampleRate = sampleRate;
    audio.channels = kOutChannels;
    const auto frames = static_cast<std::size_t>(
            std::max<long long>(0, std::llround(durationSeconds * sampleRate)));
    std::vector<std::int32_t> sum(frames * kOutChannels, 0);
    for (const PlacedSound &sound : sounds) {
        if (sound.samples.empty() || sound.sampleRate <= 0 || sound.channels < 1
            || sound.channels > 8)
            continue;
        const std::vector<std::int16_t> clip = resampled(sound, sampleRate);
        const long long start = std::llround(std::max(sound.seconds, 0.0) * sampleRate);
        const std::size_t offset = static_cast<std::size_t>(start) * kOutChannels;
        for (std::size_t i = 0; i < clip.size() && offset + i < sum.size(); ++i)
            sum[offset + i] += clip[i];
    }
    audio.samples.resize(sum.size());
    for (std::size_t i = 0; i < sum.size(); ++i)
        audio.samples[i] = static_cast<std::int16_t>(
                std::clamp<std::int32_t>(sum[i], std::numeric_limits<std::int16_t>::min(),
                                         std::numeric_limits<std::int16_t>::max()));
    return audio;
}

} // namespace tessa
