// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Any sound FFmpeg reads, mixed to one channel of float samples by libswresample.
#include "audiodecoder.h"

#include "ffmpegowners.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>

namespace tessa {

namespace {

// Samples of the result are counted from the start of the source; those before `first` are
// dropped as they come, and decoding stops once `last` is reached.
class AudioReader
{
public:
    AudioReader(const std::string &path, int rate, AudioPart part, double maxSeconds)
        : m_path(path)
        , m_rate(rate)
        , m_first(std::int64_t(std::llround(std::max(part.from, 0.0) * rate)))
        , m_last(part.to >= 0 ? std::int64_t(std::llround(part.to * rate))
                              : std::numeric_limits<std::int64_t>::max())
        , m_most(maxSeconds * rate < 9e18 ? std::int64_t(std::floor(maxSeconds * rate))
                                          : std::numeric_limits<std::int64_t>::max())
    {
        m_audio.rate = rate;
    }

    Expected<DecodedAudio, AudioFailure> read();

private:
    Expected<bool, AudioFailure> open();
    // Converts a decoded frame (null: what the resampler still holds) and keeps what lies in the
    // part; false once the part is complete.
    bool convert(const AVFrame *frame);

    const std::string &m_path;
    int m_rate;
    std::int64_t m_first;
    std::int64_t m_last;
    std::int64_t m_most;
    std::int64_t m_made = 0; // samples of the result made so far, kept or not
    bool m_tooLong = false;
    ffmpeg::Input m_input;
    ffmpeg::Codec m_codec;
    ffmpeg::Resampler m_resampler;
    std::vector<float> m_scratch;
    int m_stream = -1;
    DecodedAudio m_audio;
};

Expected<bool, AudioFailure> AudioReader::open()
{
    AVFormatContext *input = nullptr;
    if (avformat_open_input(&input, m_path.c_str(), nullptr, nullptr) < 0)
        return Unexpected{AudioFailure::NotAudio};
    m_input.reset(input);
    if (avformat_find_stream_info(input, nullptr) < 0)
        return Unexpected{AudioFailure::NotAudio};
    const AVCodec *decoder = nullptr;
    m_stream = av_find_best_stream(input, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (m_stream < 0 || !decoder)
        return Unexpected{AudioFailure::NoSound};
    // Only the sound is read: packets of the other streams are passed over unopened.
    for (unsigned i = 0; i < input->nb_streams; ++i)
        if (int(i) != m_stream)
            input->streams[i]->discard = AVDISCARD_ALL;
    // Lossy codecs decode whole frames, the last padded with silence past the end; where the
    // file itself says how long its sound is (an MP4's edit list), the padding is cut off.
    const AVStream &stream = *input->streams[m_stream];
    if (input->duration_estimation_method == AVFMT_DURATION_FROM_STREAM
        && stream.duration != AV_NOPTS_VALUE && stream.duration > 0)
        m_last = std::min(m_last, std::int64_t(std::llround(double(stream.duration)
                                                            * av_q2d(stream.time_base) * m_rate)));
    m_codec.reset(avcodec_alloc_context3(decoder));
    if (!m_codec)
        throw std::bad_alloc();
    if (avcodec_parameters_to_context(m_codec.get(), input->streams[m_stream]->codecpar) < 0
        || avcodec_open2(m_codec.get(), decoder, nullptr) < 0)
        return Unexpected{AudioFailure::Undecodable};
    // A stream that does not say how its channels are laid out is taken as its count says.
    if (m_codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&m_codec->ch_layout, m_codec->ch_layout.nb_channels);
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    SwrContext *resampler = nullptr;
    if (swr_alloc_set_opts2(&resampler, &mono, AV_SAMPLE_FMT_FLT, m_rate, &m_codec->ch_layout,
                            m_codec->sample_fmt, m_codec->sample_rate, 0, nullptr)
                < 0
        || swr_init(resampler) < 0) {
        swr_free(&resampler);
        return Unexpected{AudioFailure::Undecodable};
    }
    m_resampler.reset(resampler);
    return true;
}

bool AudioReader::convert(const AVFrame *frame)
{
    const int room = swr_get_out_samples(m_resampler.get(), frame ? frame->nb_samples : 0);
    if (room <= 0)
        return true;
    m_scratch.resize(std::size_t(room));
    auto *out = reinterpret_cast<std::uint8_t *>(m_scratch.data());
    const int made =
            swr_convert(m_resampler.get(), &out, room,
                        frame ? const_cast<const std::uint8_t **>(frame->extended_data) : nullptr,
                        frame ? frame->nb_samples : 0);
    if (made <= 0)
        return true;
    // The samples m_made .. m_made + made of the result; those within the part are kept.
    const std::int64_t from = std::max(m_first, m_made);
    const std::int64_t to = std::min(m_last, m_made + made);
    if (to > from) {
        if (std::int64_t(m_audio.samples.size()) + (to - from) > m_most) {
            m_tooLong = true;
            return false;
        }
        m_audio.samples.insert(m_audio.samples.end(), m_scratch.begin() + (from - m_made),
                               m_scratch.begin() + (to - m_made));
    }
    m_made += made;
    return m_made < m_last;
}

Expected<DecodedAudio, AudioFailure> AudioReader::read()
{
    if (auto opened = open(); !opened)
        return Unexpected{opened.error()};
    ffmpeg::Frame frame(av_frame_alloc());
    ffmpeg::Packet packet(av_packet_alloc());
    if (!frame || !packet)
        throw std::bad_alloc();
    bool goingOn = true;
    const auto drain = [&] {
        while (goingOn && avcodec_receive_frame(m_codec.get(), frame.get()) == 0) {
            goingOn = convert(frame.get());
            av_frame_unref(frame.get());
        }
    };
    while (goingOn && av_read_frame(m_input.get(), packet.get()) >= 0) {
        // A damaged packet loses a moment of sound, as a player would; the rest still decode.
        if (packet->stream_index == m_stream
            && avcodec_send_packet(m_codec.get(), packet.get()) >= 0)
            drain();
        av_packet_unref(packet.get());
    }
    if (goingOn) {
        avcodec_send_packet(m_codec.get(), nullptr);
        drain();
        if (goingOn)
            convert(nullptr);
    }
    if (m_tooLong)
        return Unexpected{AudioFailure::TooLong};
    if (m_audio.samples.empty())
        return Unexpected{m_made == 0 ? AudioFailure::NoSound : AudioFailure::NothingThere};
    return std::move(m_audio);
}

} // namespace

Expected<DecodedAudio, AudioFailure> decodeAudio(const std::string &path, int rate, AudioPart part,
                                                 double maxSeconds)
{
    av_log_set_level(AV_LOG_FATAL);
    return AudioReader(path, rate, part, maxSeconds).read();
}

} // namespace tessa
