// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundimport/audiodecoder.h"
#include "soundimport/soundimport.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

using namespace tessa;
using namespace tessa::test;

namespace {

void put(std::ofstream &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(char((value >> (8 * i)) & 0xFF));
}

// A 16-bit PCM WAV file of `frames` frames: in every channel a square wave of `hertz` at
// `amplitude`, the second channel (if any) opposite the first by `stereoSign`.
void writeWav(const std::string &path, int rate, int channels, int frames, double hertz,
              double amplitude, int stereoSign = 1)
{
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t bytes = std::uint32_t(frames * channels * 2);
    out.write("RIFF", 4);
    put(out, 36 + bytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, std::uint32_t(channels), 2);
    put(out, std::uint32_t(rate), 4);
    put(out, std::uint32_t(rate * channels * 2), 4);
    put(out, std::uint32_t(channels * 2), 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, bytes, 4);
    for (int i = 0; i < frames; ++i) {
        const double phase = std::fmod(i * hertz / rate, 1.0);
        const auto value = std::int16_t(std::lround((phase < 0.5 ? 1 : -1) * amplitude * 32767));
        for (int c = 0; c < channels; ++c)
            put(out, std::uint16_t(c == 1 ? std::int16_t(value * stereoSign) : value), 2);
    }
}

// Where FFmpeg is not (a Windows build made without it), every sound file is refused.
#define NEEDS_FFMPEG() \
    if (!TESSA_SOUND_FILES) \
    GTEST_SKIP() << "this build reads no sound files"

} // namespace

TEST(AudioDecoder, APartIsCutAtTheSamplesOfTheResult)
{
    NEEDS_FFMPEG();
    TempFolder folder;
    const std::string wav = folder.file("two.wav");
    writeWav(wav, 44100, 2, 88200, 100, 0.5);
    const struct
    {
        AudioPart part;
        std::size_t samples; // at 11,025 a second
    } rows[] = {
            {{0, -1}, 22050},   {{0.5, -1}, 16537}, // 22050 - round(5512.5)
            {{0, 0.1}, 1103},                       // round(1102.5)
            {{1.0, 1.5}, 5513},                     // round(16537.5) - 11025
            {{1.9, 9}, 1102},                       // 22050 - round(20947.5)
    };
    for (const auto &row : rows) {
        const auto audio = decodeAudio(wav, 11025, row.part, 60);
        ASSERT_TRUE(audio) << row.part.from;
        EXPECT_EQ(audio->rate, 11025);
        EXPECT_EQ(audio->samples.size(), row.samples) << row.part.from << " to " << row.part.to;
    }
}

TEST(AudioDecoder, ChannelsAreMixedToOne)
{
    NEEDS_FFMPEG();
    TempFolder folder;
    const std::string same = folder.file("same.wav");
    const std::string opposite = folder.file("opposite.wav");
    writeWav(same, 11025, 2, 11025, 50, 0.5, 1);
    writeWav(opposite, 11025, 2, 11025, 50, 0.5, -1);
    const auto sameAudio = decodeAudio(same, 11025, {}, 60);
    const auto oppositeAudio = decodeAudio(opposite, 11025, {}, 60);
    ASSERT_TRUE(sameAudio && oppositeAudio);
    float sameLoudest = 0, oppositeLoudest = 0;
    for (const float sample : sameAudio->samples)
        sameLoudest = std::max(sameLoudest, std::abs(sample));
    for (const float sample : oppositeAudio->samples)
        oppositeLoudest = std::max(oppositeLoudest, std::abs(sample));
    EXPECT_GT(sameLoudest, 0.3f) << "the two channels together";
    EXPECT_LT(oppositeLoudest, 0.01f) << "a channel against its opposite is silence";
}

TEST(AudioDecoder, Refusals)
{
    NEEDS_FFMPEG();
    TempFolder folder;
    const std::string wav = folder.file("one.wav");
    writeWav(wav, 22050, 1, 22050, 100, 0.5);
    std::ofstream(folder.file("text.wav")) << "no sound here";
    const struct
    {
        std::string path;
        AudioPart part;
        double maxSeconds;
        AudioFailure failure;
    } rows[] = {
            {folder.file("missing.wav"), {}, 60, AudioFailure::NotAudio},
            {folder.file("text.wav"), {}, 60, AudioFailure::NotAudio},
            {wav, {2, -1}, 60, AudioFailure::NothingThere},
            {wav, {}, 0.5, AudioFailure::TooLong},
            {wav, {0.25, -1}, 0.5, AudioFailure::TooLong},
    };
    for (const auto &row : rows) {
        const auto audio = decodeAudio(row.path, 11025, row.part, row.maxSeconds);
        ASSERT_FALSE(audio) << row.path << ' ' << row.part.from;
        EXPECT_EQ(audio.error(), row.failure) << row.path << ' ' << row.part.from;
    }
    // Exactly as long as allowed is allowed.
    EXPECT_TRUE(decodeAudio(wav, 11025, {0.5, -1}, 0.5));
}

TEST(SoundImport, RefusalsNameTheFileAndTheReason)
{
    NEEDS_FFMPEG();
    TempFolder folder;
    std::ofstream(folder.file("text.mp3")) << "no sound here";
    const auto imported = importSound(folder.file("text.mp3"), {});
    ASSERT_FALSE(imported);
    const Notice notice = soundImportNotice(imported.error());
    EXPECT_EQ(notice.text,
              "Cannot make \"" + folder.file("text.mp3")
                      + "\" a sound: it is not a sound or movie file FFmpeg can read.");
}
