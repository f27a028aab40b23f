// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/soundclip.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tessa;

namespace {

// Makes a sound file with ffmpeg: `channels` of constant levels (ffmpeg's aevalsrc expressions).
void makeSound(const std::string &path, const std::string &levels, int rate, double seconds,
               const std::string &format)
{
    const std::string command =
            std::string(TESSA_FFMPEG) + " -hide_banner -loglevel error -y -f lavfi -i \"aevalsrc="
            + levels + ":s=" + std::to_string(rate) + ":d=" + std::to_string(seconds) + "\" "
            + format + " \"" + path + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

} // namespace

TEST(SoundClip, ReadsFilesMadeByFfmpeg)
{
    test::TempFolder folder;
    const struct
    {
        const char *name;
        const char *levels;
        int rate;
        const char *format;
        int channels;
        std::vector<std::int16_t> firstFrame;
    } rows[] = {
            {"mono16.wav", "0.5", 8000, "-c:a pcm_s16le", 1, {16384}},
            {"stereo16.wav", "0.5|-0.25", 22050, "-c:a pcm_s16le", 2, {16384, -8192}},
            {"float.wav", "0.5", 11025, "-c:a pcm_f32le", 1, {16384}},
            // The game's own kind: Creative VOC with unsigned 8-bit samples, in one block (one
            // packet for ffmpeg) as the tools of its time wrote them; its rate is stored as a time
            // constant of whole microseconds, so 10000 Hz survives exactly.
            {"mono8.voc",
             "0.5",
             10000,
             "-af asetnsamples=n=65536:p=0 -c:a pcm_u8 -f voc",
             1,
             {16384}},
            {"stereo16.voc",
             "-0.5|0.25",
             22050,
             "-af asetnsamples=n=65536:p=0 -c:a pcm_s16le -f voc",
             2,
             {-16384, 8192}},
    };
    for (const auto &row : rows) {
        const std::string path = folder.file(row.name);
        makeSound(path, row.levels, row.rate, 0.5, row.format);
        const Expected<SoundClip, Notice> clip = loadSoundClip(path);
        ASSERT_TRUE(clip) << row.name << ": " << clip.error().text;
        EXPECT_EQ(clip->sampleRate, row.rate) << row.name;
        EXPECT_EQ(clip->channels, row.channels) << row.name;
        EXPECT_NEAR(clip->frameCount(), row.rate / 2, 1) << row.name;
        ASSERT_GE(clip->samples.size(), row.firstFrame.size()) << row.name;
        // Every frame holds the constant levels (within the float conversion's rounding).
        for (std::size_t i = 0; i < clip->samples.size(); ++i) {
            const int expected = row.firstFrame[i % row.firstFrame.size()];
            ASSERT_NEAR(clip->samples[i], expected, 1) << row.name << " sample " << i;
        }
    }
}

TEST(SoundClip, RefusesWhatIsNoSound)
{
    test::TempFolder folder;
    const std::string text = folder.file("notes.wav");
    test::writeText(text, "RIFF but not really a wave file\r\n");
    const std::string empty = folder.file("empty.voc");
    test::writeText(empty, "");

    for (const std::string &path :
         {folder.file("missing.wav"), text, empty, folder.path().string()}) {
        const Expected<SoundClip, Notice> clip = loadSoundClip(path);
        ASSERT_FALSE(clip) << path;
        EXPECT_EQ(clip.error().text.rfind("The sound file " + path + " cannot be played: ", 0), 0u)
                << clip.error().text;
        EXPECT_GT(clip.error().text.size(),
                  ("The sound file " + path + " cannot be played: ").size())
                << path;
    }
}
