// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Windows build's FFmpeg reads the kinds of sound file a sound is made from (WAV, MP3, Ogg
// Vorbis, Opus, FLAC, AAC) and libswresample brings them to the game's rate: each file, made by
// the build machine's ffmpeg from one second of a 440 Hz tone, is decoded and resampled to
// 11,025 mono samples a second, which must last a second and hold the tone.
#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 11025;

std::string clip(const char *name)
{
    const char *folder = std::getenv("TESSA_TEST_SOUNDS");
    return std::string(folder ? folder : ".") + "/" + name;
}

// The file's first sound stream as 16-bit mono at kRate; empty when a step fails.
std::vector<std::int16_t> decoded(const std::string &path)
{
    std::vector<std::int16_t> samples;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0)
        return samples;
    const AVCodec *codec = nullptr;
    // Raw streams (MP3, FLAC, ADTS AAC) say their layout only once a frame has been read.
    const int stream = avformat_find_stream_info(format, nullptr) >= 0
                               ? av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0)
                               : -1;
    AVCodecContext *context = stream >= 0 ? avcodec_alloc_context3(codec) : nullptr;
    SwrContext *resampler = nullptr;
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    bool failed = false;
    // The resampler is made from the first decoded frame, whose format the decoder knows for sure.
    const auto take = [&](AVFrame *from) {
        if (failed || (!from && !resampler))
            return;
        if (!resampler
            && (swr_alloc_set_opts2(&resampler, &mono, AV_SAMPLE_FMT_S16, kRate, &from->ch_layout,
                                    AVSampleFormat(from->format), from->sample_rate, 0, nullptr)
                        < 0
                || swr_init(resampler) < 0)) {
            failed = true;
            return;
        }
        const int room = swr_get_out_samples(resampler, from ? from->nb_samples : 0);
        std::vector<std::int16_t> part(std::size_t(std::max(room, 0)));
        auto *target = reinterpret_cast<std::uint8_t *>(part.data());
        const int made =
                swr_convert(resampler, &target, room,
                            from ? const_cast<const std::uint8_t **>(from->extended_data) : nullptr,
                            from ? from->nb_samples : 0);
        if (made > 0)
            samples.insert(samples.end(), part.begin(), part.begin() + made);
    };
    if (context && avcodec_parameters_to_context(context, format->streams[stream]->codecpar) >= 0
        && avcodec_open2(context, codec, nullptr) >= 0) {
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == stream && avcodec_send_packet(context, packet) >= 0) {
                while (avcodec_receive_frame(context, frame) >= 0)
                    take(frame);
            }
            av_packet_unref(packet);
        }
        avcodec_send_packet(context, nullptr);
        while (avcodec_receive_frame(context, frame) >= 0)
            take(frame);
        take(nullptr);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    swr_free(&resampler);
    avcodec_free_context(&context);
    avformat_close_input(&format);
    return samples;
}

class AudioDecoding : public testing::TestWithParam<const char *>
{
};

TEST_P(AudioDecoding, ReadsASecondOfTheTone)
{
    const std::vector<std::int16_t> samples = decoded(clip(GetParam()));
    // Lossy coders add a frame or two of lead-in or padding.
    EXPECT_NEAR(double(samples.size()), kRate, kRate * 0.1);
    // The tone's pitch, counted over the middle half, away from the lead-in and the padding.
    const std::size_t from = samples.size() / 4;
    const std::size_t to = samples.size() * 3 / 4;
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    const double perSecond = to > from ? crossings * double(kRate) / double(to - from) : 0;
    EXPECT_NEAR(perSecond, 880, 20) << "not the 440 Hz tone";
}

INSTANTIATE_TEST_SUITE_P(Files, AudioDecoding,
                         testing::Values("tone.wav", "tone.mp3", "tone.ogg", "tone.opus",
                                         "tone.flac", "tone.m4a", "tone.aac"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             std::string name = info.param;
                             return name.substr(name.find('.') + 1);
                         });

} // namespace
