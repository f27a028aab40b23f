// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "moviewriter.h"
#include "screenscaler.h"
#include "temporarypath.h"

#include <string>
#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

namespace tessa {

// WebM (VP9, or VP8 where the FFmpeg build has no VP9 encoder, with Opus sound) or MP4 (H.264
// with AAC sound) through FFmpeg's libraries. The frame rate is the tick rate and every tick is
// a frame, so the movie lasts exactly as many ticks as the animation. The file is written
// beside the target under a hidden name and renamed into place by finish().
class FfmpegWriter : public MovieWriter
{
public:
    FfmpegWriter(const std::string &path, MovieFormat format, const MovieOptions &options);
    ~FfmpegWriter() override;

    Expected<Done, Notice> addScreen(std::span<const std::uint8_t> pixels,
                                     const PaletteColors &colors, double seconds) override;
    Expected<Done, Notice> finish(double endSeconds) override;

private:
    Expected<Done, Notice> open();
    Expected<Done, Notice> openVideo();
    Expected<Done, Notice> openAudio();
    Expected<Done, Notice> convert(std::span<const std::uint8_t> pixels,
                                   const PaletteColors &colors);
    Expected<Done, Notice> videoUntil(long long frame);
    Expected<Done, Notice> audioUntil(long long sample);
    Expected<Done, Notice> encode(AVCodecContext *codec, AVStream *stream, AVFrame *frame);
    void release();

    MovieFormat m_format;
    MovieOptions m_options;
    ScreenScaler m_scaler;
    TemporaryPath m_file;
    AVFormatContext *m_output = nullptr;
    AVCodecContext *m_video = nullptr;
    AVCodecContext *m_audio = nullptr;
    AVStream *m_videoStream = nullptr;
    AVStream *m_audioStream = nullptr;
    AVFrame *m_picture = nullptr;
    AVFrame *m_sound = nullptr;
    AVPacket *m_packet = nullptr;
    SwsContext *m_toYuv = nullptr;
    std::vector<std::uint8_t> m_indices;
    std::vector<std::uint8_t> m_rgb;
    bool m_started = false;
    long long m_nextFrame = 0;
    long long m_audioSent = 0;
};

} // namespace tessa
