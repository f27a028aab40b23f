// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtool.h"
#include "sound/vocfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

using namespace tessa;
using namespace tessa::test;

namespace fs = std::filesystem;

namespace {

constexpr double kTick = 1.0 / 70;

std::string clipPath(const std::string &name)
{
    const char *clips = std::getenv("TESSA_TEST_CLIPS");
    EXPECT_NE(clips, nullptr) << "the build names the folder of its clips in TESSA_TEST_CLIPS";
    return (fs::path(clips ? clips : ".") / name).string();
}

// The pitch of a sine as the game plays the file: rising crossings of the middle a second, at
// the rate the file gives. The crossing must clear the dither's step either way.
double pitchOf(const VocSound &sound)
{
    int rising = 0;
    bool low = true;
    for (const std::uint8_t sample : sound.samples) {
        if (low && sample >= 131) {
            ++rising;
            low = false;
        } else if (!low && sample <= 125) {
            low = true;
        }
    }
    return rising / (double(sound.samples.size()) / sound.sampleRate);
}

struct Written
{
    ToolRun run;
    VocSound sound;
};

Written makeSound(const TempFolder &folder, const std::string &audio,
                  std::vector<std::string> more = {})
{
    fs::create_directories(folder.path() / "sounds");
    std::vector<std::string> arguments = {
            "sound",           audio,        "7", "--sounds", folder.file("sounds"),
            "--sound-pattern", "SND%02d.VOC"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    Written written{runTool(folder, arguments), {}};
    if (written.run.status == 0) {
        const auto voc = readVocFile(readBytes(folder.file("sounds/SND07.VOC")), 600);
        EXPECT_TRUE(voc) << (voc ? "" : voc.error());
        if (voc)
            written.sound = *voc;
    }
    return written;
}

} // namespace

// A sound of the build's (tests/cli/CMakeLists.txt): 2 seconds of a sine.
struct Tone
{
    const char *name;
    double hertz;
    double amplitude; // of full scale
};

void PrintTo(const Tone &tone, std::ostream *out)
{
    *out << tone.name;
}

class TessanimSound : public testing::TestWithParam<Tone>
{
};

TEST_P(TessanimSound, KeepsLengthAndPitchAndFillsTheEightBits)
{
    const Tone tone = GetParam();
    TempFolder folder;
    const Written written = makeSound(folder, clipPath(tone.name));
    ASSERT_EQ(written.run.status, 0) << written.run.err;
    const VocSound &sound = written.sound;
    EXPECT_EQ(sound.channels, 1);
    EXPECT_EQ(sound.codec, VocCodec::Unsigned8);
    // The one-byte time constant holds 11,025 a second as 10,989.
    EXPECT_NEAR(sound.sampleRate, kGameSoundRate, kGameSoundRate / 100);
    // Made at 11,025 a second, whatever the file's time constant says.
    EXPECT_NEAR(double(sound.samples.size()) / kGameSoundRate, 2.0, kTick);
    EXPECT_NEAR(pitchOf(sound), tone.hertz * sound.sampleRate / kGameSoundRate, tone.hertz / 100);
    // Brought up from a quarter to the loudest 8 bits hold, less the dither's step.
    const auto [lowest, highest] = std::minmax_element(sound.samples.begin(), sound.samples.end());
    EXPECT_GE(*highest, 250);
    EXPECT_LE(*lowest, 6);
}

TEST_P(TessanimSound, KeepsTheLevelWhenAsked)
{
    const Tone tone = GetParam();
    TempFolder folder;
    const Written written = makeSound(folder, clipPath(tone.name), {"--keep-level"});
    ASSERT_EQ(written.run.status, 0) << written.run.err;
    const auto [lowest, highest] =
            std::minmax_element(written.sound.samples.begin(), written.sound.samples.end());
    // Its share of 128 steps either way of the middle, give or take the dither and the codec.
    const double steps = GetParam().amplitude * 128;
    EXPECT_NEAR(*highest, 128 + steps, 3);
    EXPECT_NEAR(*lowest, 128 - steps, 3);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TessanimSound,
                         testing::Values(Tone{"tone.wav", 440, 0.25}, Tone{"tone.mp3", 330, 0.25},
                                         Tone{"tone.ogg", 550, 0.25}, Tone{"tone.opus", 660, 0.25},
                                         Tone{"tone.flac", 880, 0.25},
                                         Tone{"h264.mp4", 440, 0.125}),
                         [](const testing::TestParamInfo<Tone> &info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST(TessanimSoundPart, TakesThePartAskedForToTheTick)
{
    struct Part
    {
        std::vector<std::string> options;
        double seconds;
    };
    const Part parts[] = {{{"--from", "0.5"}, 1.5},
                          {{"--to", "0.25"}, 0.25},
                          {{"--from", "1.2", "--to", "1.9"}, 0.7},
                          {{"--from", "1.5", "--to", "30"}, 0.5}};
    for (const Part &part : parts) {
        TempFolder folder;
        const Written written = makeSound(folder, clipPath("tone.wav"), part.options);
        ASSERT_EQ(written.run.status, 0) << written.run.err;
        EXPECT_NEAR(double(written.sound.samples.size()) / kGameSoundRate, part.seconds, kTick)
                << part.options[1];
    }
}

TEST(TessanimSoundFile, IsReplacedOnlyWhenForcedAndKeptAsBak)
{
    TempFolder folder;
    fs::create_directories(folder.path() / "sounds");
    const std::string target = folder.file("sounds/SND07.VOC");
    std::ofstream(target, std::ios::binary) << "the old sound";
    const Written refused = makeSound(folder, clipPath("tone.wav"));
    EXPECT_EQ(refused.run.status, 1);
    EXPECT_NE(refused.run.err.find("exists already"), std::string::npos) << refused.run.err;
    EXPECT_EQ(TempFolder::entriesOf(folder.path() / "sounds"),
              std::vector<std::string>{"SND07.VOC"});

    const Written forced = makeSound(folder, clipPath("tone.wav"), {"--force"});
    ASSERT_EQ(forced.run.status, 0) << forced.run.err;
    const auto old = readBytes(target + ".bak");
    EXPECT_EQ(std::string(old.begin(), old.end()), "the old sound");
}

struct SoundRefusal
{
    const char *name;
    std::vector<std::string> arguments; // after "sound"; {dir} is the test's folder
    int status;
    const char *says;
};

void PrintTo(const SoundRefusal &refusal, std::ostream *out)
{
    *out << refusal.name;
}

class TessanimSoundRefuses : public testing::TestWithParam<SoundRefusal>
{
};

TEST_P(TessanimSoundRefuses, SayingWhyAndWritingNothing)
{
    const SoundRefusal refusal = GetParam();
    TempFolder folder;
    fs::create_directories(folder.path() / "sounds");
    std::ofstream(folder.file("notes.txt")) << "not a sound\n";
    std::vector<std::string> arguments = {"sound"};
    for (const std::string &argument : refusal.arguments) {
        if (argument.rfind("{clips}/", 0) == 0)
            arguments.push_back(clipPath(argument.substr(8)));
        else if (argument.rfind("{dir}/", 0) == 0)
            arguments.push_back(folder.file(argument.substr(6)));
        else
            arguments.push_back(argument);
    }
    const ToolRun run = runTool(folder, arguments);
    EXPECT_EQ(run.status, refusal.status) << run.err;
    EXPECT_NE(run.err.find(refusal.says), std::string::npos) << run.err;
    EXPECT_TRUE(TempFolder::entriesOf(folder.path() / "sounds").empty());
}

INSTANTIATE_TEST_SUITE_P(
        Kinds, TessanimSoundRefuses,
        testing::Values(SoundRefusal{"NotAudio",
                                     {"{dir}/notes.txt", "1", "--sounds", "{dir}/sounds",
                                      "--sound-pattern", "S%d.VOC"},
                                     1,
                                     "is not a sound or movie file FFmpeg can read"},
                        SoundRefusal{"Missing",
                                     {"{dir}/gone.wav", "1", "--sounds", "{dir}/sounds",
                                      "--sound-pattern", "S%d.VOC"},
                                     1,
                                     "is not a sound or movie file FFmpeg can read"},
                        SoundRefusal{"AMovieWithoutSound",
                                     {"{clips}/ffv1.mkv", "1", "--sounds", "{dir}/sounds",
                                      "--sound-pattern", "S%d.VOC"},
                                     1,
                                     "holds no sound that FFmpeg can decode"},
                        SoundRefusal{"APartAfterTheEnd",
                                     {"{clips}/tone.wav", "1", "--sounds", "{dir}/sounds",
                                      "--sound-pattern", "S%d.VOC", "--from", "5"},
                                     1,
                                     "holds no sound in that part"},
                        SoundRefusal{"NoFolderGiven",
                                     {"{clips}/tone.wav", "1", "--sound-pattern", "S%d.VOC"},
                                     1,
                                     "--sounds DIR --sound-pattern PATTERN"},
                        SoundRefusal{"NoPatternGiven",
                                     {"{clips}/tone.wav", "1", "--sounds", "{dir}/sounds"},
                                     1,
                                     "--sounds DIR --sound-pattern PATTERN"},
                        SoundRefusal{"AMissingFolder",
                                     {"{clips}/tone.wav", "1", "--sounds", "{dir}/elsewhere",
                                      "--sound-pattern", "S%d.VOC"},
                                     1,
                                     "does not exist"},
                        SoundRefusal{"APatternWithoutTheNumber",
                                     {"{clips}/tone.wav", "1", "--sounds", "{dir}/sounds",
                                      "--sound-pattern", "SOUND.VOC"},
                                     1,
                                     "must hold the sound number"},
                        SoundRefusal{"ToBeforeFrom",
                                     {"{clips}/tone.wav", "1", "--sounds", "{dir}/sounds",
                                      "--sound-pattern", "S%d.VOC", "--from", "1", "--to", "0.5"},
                                     1,
                                     "--to after it"},
                        SoundRefusal{"ANumberNoCueTakes",
                                     {"{clips}/tone.wav", "100", "--sounds", "{dir}/sounds",
                                      "--sound-pattern", "S%d.VOC"},
                                     2,
                                     "100"}),
        [](const testing::TestParamInfo<SoundRefusal> &info) { return info.param.name; });
