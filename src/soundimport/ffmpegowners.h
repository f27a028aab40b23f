// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

#include <memory>

// FFmpeg's objects held by unique_ptr, each let go of by its own function.
namespace tessa::ffmpeg {

struct InputCloser
{
    void operator()(AVFormatContext *input) const { avformat_close_input(&input); }
};
struct CodecFreer
{
    void operator()(AVCodecContext *codec) const { avcodec_free_context(&codec); }
};
struct FrameFreer
{
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct PacketFreer
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};
struct ResamplerFreer
{
    void operator()(SwrContext *resampler) const { swr_free(&resampler); }
};

using Input = std::unique_ptr<AVFormatContext, InputCloser>;
using Codec = std::unique_ptr<AVCodecContext, CodecFreer>;
using Frame = std::unique_ptr<AVFrame, FrameFreer>;
using Packet = std::unique_ptr<AVPacket, PacketFreer>;
using Resampler = std::unique_ptr<SwrContext, ResamplerFreer>;

} // namespace tessa::ffmpeg
