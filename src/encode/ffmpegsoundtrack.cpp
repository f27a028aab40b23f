// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A movie's sound track through FFmpeg, mixed down to one channel of unsigned 8-bit samples.
#include "moviesoundtrack.h"

#include "ffmpegowners.h"
#include "moviesource.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cmath>
#include <memory>

namespace tessa {

namespace {

struct ResamplerFreer
{
    void operator()(SwrContext *resampler) const { swr_free(&resampler); }
};

class SoundTrackReader
{
public:
    SoundTrackReader(std::string path, int rate)
        : m_path(std::move(path))
        , m_rate(rate)
    {
    }

    Expected<std::vector<std::int16_t>, Notice> read();

private:
    Unexpected<Notice> refuse(const std::string &why) const
    {
        return Unexpected{movieSourceRefusal(m_path, why)};
    }
    Expected<Done, Notice> open();
    void convert(const AVFrame *frame);

    std::string m_path;
    int m_rate;
    ffmpeg::Input m_input;
    ffmpeg::Codec m_codec;
    std::unique_ptr<SwrContext, ResamplerFreer> m_resampler;
    int m_stream = -1;
    std::vector<std::int16_t> m_samples;
};

Expected<Done, Notice> SoundTrackReader::open()
{
    AVFormatContext *input = nullptr;
    if (avformat_open_input(&input, m_path.c_str(), nullptr, nullptr) < 0)
        return refuse("it is not a movie FFmpeg can read.");
    m_input.reset(input);
    if (avformat_find_stream_info(input, nullptr) < 0)
        return refuse("it is not a movie FFmpeg can read.");
    const AVCodec *decoder = nullptr;
    m_stream = av_find_best_stream(input, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (m_stream < 0 || !decoder)
        return refuse("it holds no sound that FFmpeg can decode.");
    m_codec.reset(avcodec_alloc_context3(decoder));
    if (!m_codec)
        throw std::bad_alloc();
    if (avcodec_parameters_to_context(m_codec.get(), input->streams[m_stream]->codecpar) < 0
        || avcodec_open2(m_codec.get(), decoder, nullptr) < 0)
        return refuse("its sound cannot be decoded.");
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    SwrContext *resampler = nullptr;
    if (swr_alloc_set_opts2(&resampler, &mono, AV_SAMPLE_FMT_S16, m_rate, &m_codec->ch_layout,
                            m_codec->sample_fmt, m_codec->sample_rate, 0, nullptr)
                < 0
        || swr_init(resampler) < 0) {
        swr_free(&resampler);
        return refuse("its sound cannot be converted.");
    }
    m_resampler.reset(resampler);
    return Done{};
}

void SoundTrackReader::convert(const AVFrame *frame)
{
    const int room = swr_get_out_samples(m_resampler.get(), frame ? frame->nb_samples : 0);
    if (room <= 0)
        return;
    const std::size_t before = m_samples.size();
    m_samples.resize(before + std::size_t(room));
    auto *out = reinterpret_cast<std::uint8_t *>(m_samples.data() + before);
    const int made =
            swr_convert(m_resampler.get(), &out, room,
                        frame ? const_cast<const std::uint8_t **>(frame->extended_data) : nullptr,
                        frame ? frame->nb_samples : 0);
    m_samples.resize(before + std::size_t(std::max(made, 0)));
}

Expected<std::vector<std::int16_t>, Notice> SoundTrackReader::read()
{
    if (auto opened = open(); !opened)
        return Unexpected{opened.error()};
    ffmpeg::Frame frame(av_frame_alloc());
    ffmpeg::Packet packet(av_packet_alloc());
    if (!frame || !packet)
        throw std::bad_alloc();
    const auto drain = [&] {
        while (avcodec_receive_frame(m_codec.get(), frame.get()) == 0) {
            convert(frame.get());
            av_frame_unref(frame.get());
        }
    };
    while (av_read_frame(m_input.get(), packet.get()) >= 0) {
        // A damaged packet loses a moment of sound, as a player would; the rest still decode.
        if (packet->stream_index == m_stream
            && avcodec_send_packet(m_codec.get(), packet.get()) >= 0)
            drain();
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(m_codec.get(), nullptr);
    drain();
    convert(nullptr);
    return std::move(m_samples);
}

} // namespace

Expected<std::vector<std::uint8_t>, Notice> movieSoundTrack(const std::string &path, double from,
                                                            double to, int rate)
{
    av_log_set_level(AV_LOG_FATAL);
    auto samples = SoundTrackReader(path, rate).read();
    if (!samples)
        return Unexpected{samples.error()};
    const auto first = std::min(samples->size(), std::size_t(std::llround(from * rate)));
    const auto last =
            to >= 0 ? std::clamp(std::size_t(std::llround(to * rate)), first, samples->size())
                    : samples->size();
    if (first == last)
        return Unexpected{movieSourceRefusal(path, "it holds no sound in that part.")};
    std::vector<std::uint8_t> unsignedSamples;
    unsignedSamples.reserve(last - first);
    for (std::size_t i = first; i < last; ++i)
        unsignedSamples.push_back(std::uint8_t(((*samples)[i] + 32768) >> 8));
    return unsignedSamples;
}

bool movieHasSound(const std::string &path)
{
    AVFormatContext *opened = nullptr;
    if (avformat_open_input(&opened, path.c_str(), nullptr, nullptr) < 0)
        return false;
    ffmpeg::Input input(opened);
    if (avformat_find_stream_info(opened, nullptr) < 0)
        return false;
    const AVCodec *decoder = nullptr;
    return av_find_best_stream(opened, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0) >= 0 && decoder;
}

} // namespace tessa
