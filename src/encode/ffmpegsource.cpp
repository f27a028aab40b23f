// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Movie files of any kind FFmpeg reads (MP4, MKV, WebM, AVI, MOV, animated GIF, APNG...), their
// pictures in RGB as Qt holds them.
#include "moviesource.h"

#include "soundimport/ffmpegowners.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace tessa {

namespace {

struct ScalerFreer
{
    void operator()(SwsContext *scaler) const { sws_freeContext(scaler); }
};

std::string ffmpegReason(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

class FfmpegSource : public MovieSource
{
public:
    explicit FfmpegSource(std::string path)
        : m_path(std::move(path))
    {
    }

    Expected<Done, Notice> open();
    Expected<std::optional<SourcePicture>, Notice> next() override;
    double endSeconds() const override { return m_end; }
    double durationSeconds() const override { return m_duration; }

private:
    Unexpected<Notice> refuse(Phrase why) const
    {
        return Unexpected{movieSourceRefusal(m_path, std::move(why))};
    }
    // Sends the decoder the next packet of the video stream, or the end of the stream.
    Expected<Done, Notice> feed();
    SourcePicture picture();

    std::string m_path;
    ffmpeg::Input m_input;
    ffmpeg::Codec m_codec;
    ffmpeg::Frame m_frame{av_frame_alloc()};
    ffmpeg::Packet m_packet{av_packet_alloc()};
    std::unique_ptr<SwsContext, ScalerFreer> m_scaler;
    int m_stream = -1;
    bool m_flushed = false;
    double m_start = 0;
    double m_frameSeconds = 0.04; // one picture's time, for the end of the last
    double m_end = 0;
    double m_duration = 0;
};

Expected<Done, Notice> FfmpegSource::open()
{
    if (!m_frame || !m_packet)
        throw std::bad_alloc();
    AVFormatContext *input = nullptr;
    if (const int code = avformat_open_input(&input, m_path.c_str(), nullptr, nullptr); code < 0)
        return refuse({TESSA_WORDS("tessa::Notice", "it is not a movie FFmpeg can read (%1)."),
                       {ffmpegReason(code)}});
    m_input.reset(input);
    if (const int code = avformat_find_stream_info(input, nullptr); code < 0)
        return refuse({TESSA_WORDS("tessa::Notice", "it is not a movie FFmpeg can read (%1)."),
                       {ffmpegReason(code)}});
    const AVCodec *decoder = nullptr;
    m_stream = av_find_best_stream(input, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (m_stream < 0 || !decoder)
        return refuse(TESSA_WORDS("tessa::Notice", "it holds no video that FFmpeg can decode."));
    const AVStream *stream = input->streams[m_stream];
    m_codec.reset(avcodec_alloc_context3(decoder));
    if (!m_codec)
        throw std::bad_alloc();
    if (int code = avcodec_parameters_to_context(m_codec.get(), stream->codecpar);
        code < 0 || (code = avcodec_open2(m_codec.get(), decoder, nullptr)) < 0)
        return refuse({TESSA_WORDS("tessa::Notice", "its video cannot be decoded (%1)."),
                       {ffmpegReason(code)}});
    if (stream->start_time != AV_NOPTS_VALUE)
        m_start = double(stream->start_time) * av_q2d(stream->time_base);
    const AVRational rate =
            stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    if (rate.num > 0 && rate.den > 0)
        m_frameSeconds = av_q2d(av_inv_q(rate));
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        m_duration = double(stream->duration) * av_q2d(stream->time_base);
    else if (input->duration != AV_NOPTS_VALUE && input->duration > 0)
        m_duration = double(input->duration) / AV_TIME_BASE;
    return Done{};
}

Expected<Done, Notice> FfmpegSource::feed()
{
    for (;;) {
        const int code = av_read_frame(m_input.get(), m_packet.get());
        if (code == AVERROR_EOF) {
            m_flushed = true;
            avcodec_send_packet(m_codec.get(), nullptr);
            return Done{};
        }
        if (code < 0)
            return refuse({TESSA_WORDS("tessa::Notice", "reading it failed (%1)."),
                           {ffmpegReason(code)}});
        const bool video = m_packet->stream_index == m_stream;
        const int sent = video ? avcodec_send_packet(m_codec.get(), m_packet.get()) : 0;
        av_packet_unref(m_packet.get());
        // A damaged packet loses a picture, as a player would; the rest still decode.
        if (video && sent != AVERROR_INVALIDDATA && sent < 0)
            return refuse({TESSA_WORDS("tessa::Notice", "decoding it failed (%1)."),
                           {ffmpegReason(sent)}});
        if (video)
            return Done{};
    }
}

SourcePicture FfmpegSource::picture()
{
    const AVFrame &frame = *m_frame;
    m_scaler.reset(sws_getCachedContext(m_scaler.release(), frame.width, frame.height,
                                        AVPixelFormat(frame.format), frame.width, frame.height,
                                        AV_PIX_FMT_RGB32, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!m_scaler)
        throw std::bad_alloc();
    // AV_PIX_FMT_RGB32 is Qt's Format_RGB32: 0xAARRGGBB in the machine's own byte order.
    QImage image(frame.width, frame.height, QImage::Format_RGB32);
    std::uint8_t *planes[4] = {image.bits(), nullptr, nullptr, nullptr};
    int strides[4] = {int(image.bytesPerLine()), 0, 0, 0};
    sws_scale(m_scaler.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);

    const AVRational base = m_input->streams[m_stream]->time_base;
    double seconds = m_end;
    if (frame.best_effort_timestamp != AV_NOPTS_VALUE)
        seconds = std::max(0.0, double(frame.best_effort_timestamp) * av_q2d(base) - m_start);
    m_end = std::max(m_end, seconds + m_frameSeconds);
    return {image, seconds};
}

Expected<std::optional<SourcePicture>, Notice> FfmpegSource::next()
{
    for (;;) {
        const int code = avcodec_receive_frame(m_codec.get(), m_frame.get());
        if (code == 0) {
            SourcePicture picture = this->picture();
            av_frame_unref(m_frame.get());
            return std::optional<SourcePicture>{std::move(picture)};
        }
        if (code == AVERROR_EOF)
            return std::optional<SourcePicture>{};
        if (code != AVERROR(EAGAIN))
            return refuse({TESSA_WORDS("tessa::Notice", "decoding it failed (%1)."),
                           {ffmpegReason(code)}});
        if (m_flushed)
            return std::optional<SourcePicture>{};
        if (auto fed = feed(); !fed)
            return Unexpected{fed.error()};
    }
}

} // namespace

Expected<std::unique_ptr<MovieSource>, Notice> openMovieFile(const std::string &path)
{
    // The refusal says why; FFmpeg's own complaints about a file would only repeat it.
    av_log_set_level(AV_LOG_FATAL);
    auto source = std::make_unique<FfmpegSource>(path);
    if (auto opened = source->open(); !opened)
        return Unexpected{opened.error()};
    return std::unique_ptr<MovieSource>(std::move(source));
}

} // namespace tessa
