// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A movie's sound track, read as any sound file is made into one of the game's.
#include "moviesoundtrack.h"

#include "moviesource.h"
#include "soundimport/ffmpegowners.h"
#include "soundimport/soundimport.h"

#include <limits>

namespace tessa {

Expected<std::vector<std::uint8_t>, Notice> movieSoundTrack(const std::string &path, double from,
                                                            double to, int rate)
{
    const auto audio = decodeAudio(path, rate, {from, to}, std::numeric_limits<double>::infinity());
    if (!audio) {
        switch (audio.error()) {
        case AudioFailure::NotAudio:
            return Unexpected{movieSourceRefusal(
                    path, TESSA_WORDS("tessa::Notice", "it is not a movie FFmpeg can read."))};
        case AudioFailure::NothingThere:
            return Unexpected{movieSourceRefusal(
                    path, TESSA_WORDS("tessa::Notice", "it holds no sound in that part."))};
        case AudioFailure::NoSound:
            return Unexpected{movieSourceRefusal(
                    path,
                    TESSA_WORDS("tessa::Notice", "it holds no sound that FFmpeg can decode."))};
        default:
            return Unexpected{movieSourceRefusal(
                    path, TESSA_WORDS("tessa::Notice", "its sound cannot be decoded."))};
        }
    }
    // At the level the movie has, as its pictures keep theirs.
    return gameSoundOf(audio->samples, true);
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
