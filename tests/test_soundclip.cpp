// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/soundclip.h"
#include "sound/vocfile.h"
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
        int tolerance = 1; // A-law and mu-law keep a level only to their step
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
            // What ffmpeg writes with its defaults: a block per packet, the first with the format
            // (1, 8 then 1 for stereo, or 9) and continuation blocks (2) after it.
            {"blocks-u8.voc", "0.5", 10000, "-c:a pcm_u8", 1, {16384}},
            {"blocks-u8-stereo.voc", "0.5|-0.25", 10000, "-c:a pcm_u8", 2, {16384, -8192}},
            {"blocks-s16.voc", "-0.5", 22050, "-c:a pcm_s16le", 1, {-16384}},
            {"blocks-s16-stereo.voc", "0.5|-0.25", 44100, "-c:a pcm_s16le", 2, {16384, -8192}},
            {"blocks-alaw.voc", "0.5", 8000, "-c:a pcm_alaw", 1, {16384}, 512},
            {"blocks-mulaw.voc", "-0.5", 8000, "-c:a pcm_mulaw", 1, {-16384}, 512},
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
            ASSERT_NEAR(clip->samples[i], expected, row.tolerance) << row.name << " sample " << i;
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

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The 26-byte header every VOC file starts with (version 1.20).
const Bytes kVocHeader = [] {
    const std::string signature = "Creative Voice File\x1A";
    Bytes header(signature.begin(), signature.end());
    return header + Bytes{26, 0, 0x14, 0x01, 0x1F, 0x11};
}();

// A block: its type, its length in three bytes (`length`, or the body's own), its body.
Bytes block(std::uint8_t type, const Bytes &body, std::size_t length = std::size_t(-1))
{
    if (length == std::size_t(-1))
        length = body.size();
    return Bytes{type, std::uint8_t(length), std::uint8_t(length >> 8), std::uint8_t(length >> 16)}
           + body;
}

// 8-bit unsigned mono at 10000 Hz (time constant 156): 0x80 is silence, 0xC0 half up.
Bytes sound8(const Bytes &samples)
{
    return block(1, Bytes{156, 0} + samples);
}

} // namespace

// VOC files put together block by block: what each standard block adds, what is passed over,
// and what is refused, naming the file.
TEST(SoundClip, ReadsVocFilesBlockByBlock)
{
    test::TempFolder folder;
    const Bytes end{0};
    const struct
    {
        const char *name;
        Bytes file;
        std::vector<std::int16_t> samples; // mono unless `channels` says otherwise
        std::string refusal{};             // the reason, when refused
        int rate = 10000;
        int channels = 1;
    } rows[] = {
            {"continued",
             kVocHeader + sound8({0xC0}) + block(2, {0x40, 0x80}) + end,
             {16384, -16384, 0}},
            // Two silent samples at 10000 Hz (length minus one, then the time constant).
            {"silence",
             kVocHeader + sound8({0xC0}) + block(3, {1, 0, 156}) + block(2, {0xC0}),
             {16384, 0, 0, 16384}},
            {"unknown and text blocks passed over",
             kVocHeader + block(0x42, {1, 2, 3}) + sound8({0xC0}) + block(5, {'h', 'i', 0})
                     + block(4, {7, 0}) + block(2, {0x40}) + end,
             {16384, -16384}},
            {"empty continuation", kVocHeader + sound8({0xC0}) + block(2, {}) + end, {16384}},
            {"nothing after the terminator",
             kVocHeader + sound8({0xC0}) + end + sound8({0x40}),
             {16384}},
            {"last block cut short",
             kVocHeader + sound8({0xC0}) + block(2, {0x40, 0x40}, 1000),
             {16384, -16384, -16384}},
            {"block header cut short", kVocHeader + sound8({0xC0}) + Bytes{2, 9}, {16384}},
            {"extended stereo",
             kVocHeader + block(8, {0x00, 0xCE, 0, 1}) + block(1, {0, 0, 0xC0, 0x40}),
             {16384, -16384},
             "",
             10000,
             2},
            {"16-bit stereo",
             kVocHeader
                     + block(9, {0x22, 0x56, 0, 0, 16, 2, 4, 0, 0, 0, 0, 0, 0x00, 0x40, 0x00, 0xE0})
                     + block(2, {0xFF, 0x7F, 0x00, 0x80}),
             {16384, -8192, 32767, -32768},
             "",
             22050,
             2},
            {"only a header", kVocHeader + end, {}, "it holds no sound."},
            {"a forged sample rate",
             kVocHeader + block(9, {0x22, 0x56, 0x80, 0, 16, 2, 4, 0, 0, 0, 0, 0, 0, 0}) + end,
             {},
             "its sample rate of 8410658 a second is more than any player plays."},
            {"too many channels",
             kVocHeader + block(9, {0x22, 0x56, 0, 0, 8, 9, 0, 0, 0, 0, 0, 0, 0x80}) + end,
             {},
             "it has 9 channels; at most 8 are played."},
            {"a sound block of no samples",
             kVocHeader + sound8({}) + end,
             {},
             "it holds no sound."},
            {"sound block too short",
             kVocHeader + block(1, {156}) + end,
             {},
             "its block at byte 26 is too short for its format."},
            {"continuation first",
             kVocHeader + block(2, {0x80}) + sound8({0xC0}),
             {},
             "its sound continues at byte 26 before it starts."},
            {"Creative ADPCM",
             kVocHeader + block(1, {156, 1, 0x12}),
             {},
             "its sound is of VOC codec 1, which cannot be played."},
            {"formats differ",
             kVocHeader + sound8({0xC0}) + block(1, {100, 0, 0xC0}),
             {},
             "its sound blocks differ in sample rate, channels or codec."},
            {"damaged header",
             Bytes(kVocHeader.begin(), kVocHeader.begin() + 20) + Bytes{200, 0},
             {},
             "its header is damaged."},
            {"silence past the longest sound",
             kVocHeader + sound8({0xC0}) +
                     [] {
                         Bytes silences;
                         for (int i = 0; i < 100; ++i)
                             silences = silences + block(3, {0xFF, 0xFF, 0});
                         return silences;
                     }(),
             {},
             "it is longer than 600 seconds."},
    };
    for (const auto &row : rows) {
        const std::string path = folder.file("SOUND.VOC");
        test::writeBytes(path, row.file);
        const Expected<SoundClip, Notice> clip = loadSoundClip(path);
        if (!row.refusal.empty()) {
            ASSERT_FALSE(clip) << row.name;
            EXPECT_EQ(clip.error().text,
                      "The sound file " + path + " cannot be played: " + row.refusal)
                    << row.name;
            continue;
        }
        ASSERT_TRUE(clip) << row.name << ": " << clip.error().text;
        EXPECT_EQ(clip->sampleRate, row.rate) << row.name;
        EXPECT_EQ(clip->channels, row.channels) << row.name;
        EXPECT_EQ(clip->samples, row.samples) << row.name;
    }
}

TEST(SoundClip, WrittenVocFilesReadBackAsWritten)
{
    // Long enough to need a continuation block, so that the block lengths are held too.
    std::vector<std::uint8_t> samples(0xFFFFFF + 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::uint8_t(i * 7 + i / 300);
    for (const std::size_t length : {std::size_t(1), samples.size()}) {
        const auto file = writeVocFile(std::span(samples).first(length), kGameSoundRate);
        ASSERT_TRUE(isVocFile(file));
        const auto sound = readVocFile(file, 3600);
        ASSERT_TRUE(sound) << sound.error();
        EXPECT_EQ(sound->channels, 1);
        EXPECT_EQ(sound->codec, VocCodec::Unsigned8);
        EXPECT_NEAR(sound->sampleRate, kGameSoundRate, kGameSoundRate / 100);
        EXPECT_TRUE(std::equal(sound->samples.begin(), sound->samples.end(), samples.begin(),
                               samples.begin() + std::ptrdiff_t(length)))
                << length;
        EXPECT_EQ(sound->samples.size(), length);
    }
}
