// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ffmpegwriter.h"

#include "document/fileio.h"
#include "document/nativefile.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

std::string ffmpegReason(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

Unexpected<Notice> failed(const std::string &what, int code)
{
    return Unexpected{movieFailure("Could not " + what + ": " + ffmpegReason(code) + ".")};
}

Unexpected<Notice> failed(const std::string &text)
{
    return Unexpected{movieFailure(text)};
}

const AVCodec *firstEncoder(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (const AVCodec *codec = avcodec_find_encoder_by_name(name))
            return codec;
    }
    return nullptr;
}

} // namespace

FfmpegWriter::FfmpegWriter(const std::string &path, MovieFormat format, const MovieOptions &options)
    : m_format(format)
    , m_options(options)
    , m_scaler(options.scale, options.aspect43)
    , m_file(pathFromText(path))
{
}

FfmpegWriter::~FfmpegWriter()
{
    release();
}

void FfmpegWriter::release()
{
    sws_freeContext(std::exchange(m_toYuv, nullptr));
    av_packet_free(&m_packet);
    av_frame_free(&m_picture);
    av_frame_free(&m_sound);
    avcodec_free_context(&m_video);
    avcodec_free_context(&m_audio);
    if (m_output) {
        if (m_output->pb)
            avio_closep(&m_output->pb);
        avformat_free_context(std::exchange(m_output, nullptr));
    }
}

Expected<Done, Notice> FfmpegWriter::open()
{
    // The libraries' own chatter would end up in the command-line tool's output.
    av_log_set_level(AV_LOG_ERROR);
    const char *container = m_format == MovieFormat::WebM ? "webm" : "mp4";
    const std::string temporary = textFromPath(m_file.path());
    int result = avformat_alloc_output_context2(&m_output, nullptr, container, temporary.c_str());
    if (result < 0 || !m_output)
        return failed(std::string("start the ") + container + " file", result);
    if (auto done = openVideo(); !done)
        return done;
    if (!m_options.audio.empty()) {
        if (auto done = openAudio(); !done)
            return done;
    }
    m_packet = av_packet_alloc();
    if (!m_packet)
        return failed("Out of memory while writing the movie.");
    result = avio_open(&m_output->pb, temporary.c_str(), AVIO_FLAG_WRITE);
    if (result < 0)
        return Unexpected{movieFailure(
                IoError{IoError::Action::Write, textFromPath(m_file.target()), ffmpegReason(result)}
                        .text())};
    AVDictionary *muxing = nullptr;
    if (m_format == MovieFormat::Mp4)
        av_dict_set(&muxing, "movflags", "+faststart", 0);
    result = avformat_write_header(m_output, &muxing);
    av_dict_free(&muxing);
    if (result < 0)
        return failed("write the movie's header", result);
    return Done{};
}

Expected<Done, Notice> FfmpegWriter::openVideo()
{
    const AVCodec *codec = m_format == MovieFormat::WebM ? firstEncoder({"libvpx-vp9", "libvpx"})
                                                         : firstEncoder({"libx264"});
    if (!codec)
        return failed(m_format == MovieFormat::WebM
                              ? "This FFmpeg has no VP9 or VP8 encoder: cannot write WebM."
                              : "This FFmpeg has no H.264 encoder (libx264): cannot write MP4.");
    m_videoStream = avformat_new_stream(m_output, nullptr);
    m_video = avcodec_alloc_context3(codec);
    m_picture = av_frame_alloc();
    if (!m_videoStream || !m_video || !m_picture)
        return failed("Out of memory while writing the movie.");

    const AVRational rate = av_d2q(m_options.frameRate, 100000);
    m_video->width = m_scaler.width();
    m_video->height = m_scaler.height();
    m_video->pix_fmt = AV_PIX_FMT_YUV420P;
    m_video->framerate = rate;
    m_video->time_base = av_inv_q(rate);
    m_video->gop_size = std::max(1, static_cast<int>(m_options.frameRate * 2));
    m_video->color_range = AVCOL_RANGE_MPEG;
    m_video->colorspace = AVCOL_SPC_SMPTE170M;
    m_video->color_primaries = AVCOL_PRI_SMPTE170M;
    m_video->color_trc = AVCOL_TRC_SMPTE170M;
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        m_video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    AVDictionary *settings = nullptr;
    if (m_format == MovieFormat::Mp4) {
        av_dict_set(&settings, "preset", "veryfast", 0);
        av_dict_set(&settings, "crf", "18", 0);
    } else {
        // Constant quality at the encoder's fastest: pictures of flat colours compress well
        // anyway, and a long animation is many frames.
        m_video->bit_rate = 0;
        av_dict_set(&settings, "crf", "20", 0);
        av_dict_set(&settings, "deadline", "realtime", 0);
        av_dict_set(&settings, "cpu-used", "8", 0);
        av_dict_set(&settings, "row-mt", "1", 0);
    }
    const int result = avcodec_open2(m_video, codec, &settings);
    av_dict_free(&settings);
    if (result < 0)
        return failed(std::string("start the ") + codec->name + " encoder", result);
    avcodec_parameters_from_context(m_videoStream->codecpar, m_video);
    m_videoStream->time_base = m_video->time_base;
    m_videoStream->avg_frame_rate = rate;

    m_picture->format = m_video->pix_fmt;
    m_picture->width = m_video->width;
    m_picture->height = m_video->height;
    if (av_frame_get_buffer(m_picture, 0) < 0)
        return failed("Out of memory while writing the movie.");
    m_toYuv = sws_getContext(m_video->width, m_video->height, AV_PIX_FMT_RGB24, m_video->width,
                             m_video->height, AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr,
                             nullptr);
    if (!m_toYuv)
        return failed("Could not set up the colour conversion of the movie.");
    return Done{};
}

Expected<Done, Notice> FfmpegWriter::openAudio()
{
    const AVCodec *codec = m_format == MovieFormat::WebM ? firstEncoder({"libopus"})
                                                         : avcodec_find_encoder(AV_CODEC_ID_AAC);
    if (!codec)
        return failed(m_format == MovieFormat::WebM
                              ? "This FFmpeg has no Opus encoder: cannot write the sound."
                              : "This FFmpeg has no AAC encoder: cannot write the sound.");
    m_audioStream = avformat_new_stream(m_output, nullptr);
    m_audio = avcodec_alloc_context3(codec);
    m_sound = av_frame_alloc();
    if (!m_audioStream || !m_audio || !m_sound)
        return failed("Out of memory while writing the movie.");
    AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    for (const AVSampleFormat *offered = codec->sample_fmts; offered && *offered >= 0; ++offered) {
        if (*offered == AV_SAMPLE_FMT_S16 || *offered == AV_SAMPLE_FMT_FLT
            || *offered == AV_SAMPLE_FMT_FLTP) {
            format = *offered;
            break;
        }
    }
    if (format == AV_SAMPLE_FMT_NONE)
        return failed(std::string("The ") + codec->name + " encoder takes no usable samples.");
    m_audio->sample_fmt = format;
    m_audio->sample_rate = m_options.audio.sampleRate;
    av_channel_layout_default(&m_audio->ch_layout, m_options.audio.channels);
    m_audio->bit_rate = 160000;
    m_audio->time_base = AVRational{1, m_options.audio.sampleRate};
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        m_audio->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int result = avcodec_open2(m_audio, codec, nullptr);
    if (result < 0)
        return failed(std::string("start the ") + codec->name + " encoder", result);
    avcodec_parameters_from_context(m_audioStream->codecpar, m_audio);
    m_audioStream->time_base = m_audio->time_base;

    m_sound->format = format;
    m_sound->sample_rate = m_audio->sample_rate;
    m_sound->nb_samples = m_audio->frame_size > 0 ? m_audio->frame_size : 1024;
    av_channel_layout_copy(&m_sound->ch_layout, &m_audio->ch_layout);
    if (av_frame_get_buffer(m_sound, 0) < 0)
        return failed("Out of memory while writing the movie.");
    return Done{};
}

Expected<Done, Notice> FfmpegWriter::encode(AVCodecContext *codec, AVStream *stream, AVFrame *frame)
{
    int result = avcodec_send_frame(codec, frame);
    if (result < 0)
        return failed("encode the movie", result);
    while ((result = avcodec_receive_packet(codec, m_packet)) >= 0) {
        if (m_packet->duration == 0 && codec == m_video)
            m_packet->duration = 1;
        av_packet_rescale_ts(m_packet, codec->time_base, stream->time_base);
        m_packet->stream_index = stream->index;
        result = av_interleaved_write_frame(m_output, m_packet);
        if (result < 0)
            return failed("write the movie", result);
    }
    if (result != AVERROR(EAGAIN) && result != AVERROR_EOF)
        return failed("encode the movie", result);
    return Done{};
}

Expected<Done, Notice> FfmpegWriter::convert(std::span<const std::uint8_t> pixels,
                                             const PaletteColors &colors)
{
    m_scaler.scale(pixels, m_indices);
    m_rgb.resize(m_indices.size() * 3);
    std::uint8_t *rgb = m_rgb.data();
    for (const std::uint8_t index : m_indices) {
        const std::uint32_t color = colors[index];
        *rgb++ = redOf(color);
        *rgb++ = greenOf(color);
        *rgb++ = blueOf(color);
    }
    if (av_frame_make_writable(m_picture) < 0)
        return failed("Out of memory while writing the movie.");
    const std::uint8_t *planes[] = {m_rgb.data()};
    const int strides[] = {m_scaler.width() * 3};
    sws_scale(m_toYuv, planes, strides, 0, m_scaler.height(), m_picture->data, m_picture->linesize);
    return Done{};
}

Expected<Done, Notice> FfmpegWriter::audioUntil(long long sample)
{
    if (!m_audio)
        return Done{};
    const MovieAudio &audio = m_options.audio;
    const int channels = audio.channels;
    const long long total = static_cast<long long>(audio.samples.size()) / channels;
    const long long until = std::min(sample, total);
    const int frameSize = m_sound->nb_samples;
    while (m_audioSent < until) {
        const int count = static_cast<int>(std::min<long long>(frameSize, total - m_audioSent));
        if (av_frame_make_writable(m_sound) < 0)
            return failed("Out of memory while writing the movie.");
        // An encoder that cannot take a short last frame gets silence after the end.
        const bool padded = count < frameSize
                            && !(m_audio->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME);
        m_sound->nb_samples = padded ? frameSize : count;
        const std::int16_t *from = audio.samples.data() + m_audioSent * channels;
        for (int i = 0; i < m_sound->nb_samples; ++i) {
            for (int c = 0; c < channels; ++c) {
                const std::int16_t value = i < count ? from[i * channels + c] : 0;
                switch (m_audio->sample_fmt) {
                case AV_SAMPLE_FMT_S16:
                    reinterpret_cast<std::int16_t *>(m_sound->data[0])[i * channels + c] = value;
                    break;
                case AV_SAMPLE_FMT_FLT:
                    reinterpret_cast<float *>(m_sound->data[0])[i * channels + c] =
                            float(value) / 32768.0f;
                    break;
                default:
                    reinterpret_cast<float *>(m_sound->data[c])[i] = float(value) / 32768.0f;
                    break;
                }
            }
        }
        m_sound->pts = m_audioSent;
        m_audioSent += count;
        if (auto done = encode(m_audio, m_audioStream, m_sound); !done)
            return done;
        m_sound->nb_samples = frameSize;
    }
    return Done{};
}

Expected<Done, Notice> FfmpegWriter::videoUntil(long long frame)
{
    for (; m_nextFrame < frame; ++m_nextFrame) {
        // The sound up to the end of this frame first, so that the two streams interleave.
        const long long soundEnd = static_cast<long long>(std::ceil(
                double(m_nextFrame + 1) / m_options.frameRate * m_options.audio.sampleRate));
        if (auto done = audioUntil(soundEnd); !done)
            return done;
        m_picture->pts = m_nextFrame;
        if (auto done = encode(m_video, m_videoStream, m_picture); !done)
            return done;
    }
    return Done{};
}

Expected<Done, Notice> FfmpegWriter::addScreen(std::span<const std::uint8_t> pixels,
                                               const PaletteColors &colors, double seconds)
{
    if (!m_started) {
        m_started = true;
        if (auto done = open(); !done)
            return done;
    } else if (auto done = videoUntil(std::llround(seconds * m_options.frameRate)); !done) {
        return done;
    }
    return convert(pixels, colors);
}

Expected<Done, Notice> FfmpegWriter::finish(double endSeconds)
{
    if (!m_started)
        return failed("The movie has no picture to show.");
    const long long frames =
            std::max(std::llround(endSeconds * m_options.frameRate), m_nextFrame + 1);
    if (auto done = videoUntil(frames); !done)
        return done;
    if (auto done = audioUntil(static_cast<long long>(m_options.audio.samples.size())); !done)
        return done;
    if (auto done = encode(m_video, m_videoStream, nullptr); !done)
        return done;
    if (m_audio) {
        if (auto done = encode(m_audio, m_audioStream, nullptr); !done)
            return done;
    }
    if (const int result = av_write_trailer(m_output); result < 0)
        return failed("finish the movie", result);
    if (const int result = avio_closep(&m_output->pb); result < 0)
        return Unexpected{movieFailure(
                IoError{IoError::Action::Write, textFromPath(m_file.target()), ffmpegReason(result)}
                        .text())};
    release();
    return m_file.commit();
}

Expected<std::unique_ptr<MovieWriter>, Notice>
openVideoWriter(const std::string &path, MovieFormat format, const MovieOptions &options)
{
    std::unique_ptr<MovieWriter> writer = std::make_unique<FfmpegWriter>(path, format, options);
    return writer;
}

} // namespace tessa
