// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animfile.h"
#include "runtool.h"
#include "sound/vocfile.h"
#include "timing/timeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

using namespace tessa;
using namespace tessa::test;

namespace {

// While it lives, the tessanim runs of a test decode movies without the sanitizer build's leak
// check at their exit: with FFmpeg's and Qt's threads loaded through the media module, the
// check of GCC 12's sanitizer at times crashes reading their thread-local storage (status 134)
// after a run that went well. Nothing changes in other builds.
class NoLeakCheckInToolRuns
{
public:
    NoLeakCheckInToolRuns()
    {
#ifndef _WIN32
        if (const char *options = std::getenv("ASAN_OPTIONS"))
            m_before = options;
        setenv("ASAN_OPTIONS",
               (m_before ? *m_before + ":" : std::string()).append("detect_leaks=0").c_str(), 1);
#endif
    }
    ~NoLeakCheckInToolRuns()
    {
#ifndef _WIN32
        if (m_before)
            setenv("ASAN_OPTIONS", m_before->c_str(), 1);
        else
            unsetenv("ASAN_OPTIONS");
#endif
    }

private:
    std::optional<std::string> m_before;
};

// Makes a clip with ffmpeg's own sources: `input` as given after -f lavfi -i.
bool makeClip(const std::string &input, const std::string &path, const std::string &more = "")
{
    return std::system(("ffmpeg -loglevel error -y -f lavfi -i " + shellQuoted(input) + " " + more
                        + " " + shellQuoted(path))
                               .c_str())
           == 0;
}

bool haveFfmpeg()
{
    return std::system("command -v ffmpeg >/dev/null 2>&1") == 0;
}

Tick ticksOf(const std::string &path, TimingSettings timing = {})
{
    const auto items = loadAnimation(path);
    EXPECT_TRUE(items);
    return items ? buildTimeline(*items, timing).durationTicks() : -1;
}

} // namespace

TEST(TessanimEncode, AMovieLastsItsLengthToTheTickAndTheOldFileIsKept)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed: it makes the clips";
    TempFolder folder;
    const std::string clip = folder.file("clip.mp4");
    ASSERT_TRUE(makeClip("testsrc=size=640x360:rate=25:duration=2", clip, "-pix_fmt yuv420p"));
    const NoLeakCheckInToolRuns decodingMovies;
    const std::string out = folder.file("OUT.QLM");
    ASSERT_EQ(runTool(folder, {"encode", clip, out}).status, 0);
    EXPECT_EQ(ticksOf(out), 140);

    const auto first = readBytes(out);
    const ToolRun run = runTool(folder, {"encode", clip, out, "--from", "0.5", "--to", "1.5",
                                         "--tick-rate", "18.2065", "--fit", "pad"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ticksOf(out, {18.2065, 1}), 18);
    EXPECT_EQ(readBytes(out + ".bak"), first);
}

TEST(TessanimEncode, AStillGifIsOneImageAndAPause)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed: it makes the clips";
    TempFolder folder;
    const std::string clip = folder.file("still.gif");
    ASSERT_TRUE(makeClip("smptebars=size=320x200:rate=10:duration=1", clip));
    const NoLeakCheckInToolRuns decodingMovies;
    const std::string out = folder.file("still.qlm");
    ASSERT_EQ(runTool(folder, {"encode", clip, out}).status, 0);
    const auto items = loadAnimation(out);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 3u);
    EXPECT_EQ((*items)[1].Code, kCodePause);
    EXPECT_EQ(buildTimeline(*items, {}).durationTicks(), 70);
}

TEST(TessanimEncode, NumberedPicturesPlayAtTheirRate)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed: it makes the pictures";
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "shots");
    ASSERT_TRUE(
            makeClip("testsrc=size=160x120:rate=10:duration=1.2", folder.file("shots/f_%04d.png")));
    const std::string out = folder.file("shots.qlm");
    ASSERT_EQ(
            runTool(folder, {"encode", folder.file("shots/f_%04d.png"), out, "--fps", "10"}).status,
            0);
    EXPECT_EQ(ticksOf(out), 84);
    ASSERT_EQ(runTool(folder, {"encode", folder.file("shots"), out, "--fps", "5"}).status, 0);
    EXPECT_EQ(ticksOf(out), 168);
}

struct Refusal
{
    const char *name;   // the input, in the test's folder
    const char *reason; // what the message says
};

class TessanimEncodeRefuses : public testing::TestWithParam<Refusal>
{
};

TEST_P(TessanimEncodeRefuses, NamingTheFileAndWritingNothing)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed: it makes the clips";
    TempFolder folder;
    writeText(folder.file("text.mp4"), std::string(100, 'x'));
    ASSERT_TRUE(makeClip("sine=duration=0.5", folder.file("sound.wav")));
    std::filesystem::create_directory(folder.path() / "empty");
    const NoLeakCheckInToolRuns decodingMovies;
    const std::string out = folder.file("OUT.QLM");
    const std::vector<std::uint8_t> before{'o', 'l', 'd'};
    writeBytes(out, before);

    const std::string input = folder.file(GetParam().name);
    const ToolRun run = runTool(folder, {"encode", input, out});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("\"" + input + "\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(GetParam().reason), std::string::npos) << run.err;
    EXPECT_EQ(readBytes(out), before);
    EXPECT_FALSE(std::filesystem::exists(out + ".bak"));
}

INSTANTIATE_TEST_SUITE_P(Inputs, TessanimEncodeRefuses,
                         testing::Values(Refusal{"missing.mp4", "no such file"},
                                         Refusal{"text.mp4", "not a movie"},
                                         Refusal{"sound.wav", "no video"},
                                         Refusal{"f_%04d.png", "no file matches"},
                                         Refusal{"empty", "no files with numbered names"}));

TEST(TessanimEncode, AByteLimitIsKeptByLoweringTheQualityAndRefusedWhenNothingFits)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed: it makes the clips";
    TempFolder folder;
    const std::string clip = folder.file("clip.mp4");
    ASSERT_TRUE(makeClip("testsrc2=size=320x240:rate=25:duration=1", clip, "-pix_fmt yuv420p"));
    const NoLeakCheckInToolRuns decodingMovies;
    const std::string full = folder.file("FULL.QLM");
    ASSERT_EQ(runTool(folder, {"encode", clip, full}).status, 0);
    const std::size_t fullSize = readBytes(full).size();

    const std::size_t limit = fullSize * 3 / 4;
    const std::string within = folder.file("WITHIN.QLM");
    const ToolRun fitted =
            runTool(folder, {"encode", clip, within, "--max-bytes", std::to_string(limit)});
    ASSERT_EQ(fitted.status, 0) << fitted.err;
    EXPECT_LE(readBytes(within).size(), limit);
    EXPECT_GT(readBytes(within).size(), limit / 2) << "the quality drops no further than needed";
    EXPECT_EQ(ticksOf(within), 70) << "the whole movie is kept";

    const ToolRun refused = runTool(folder, {"encode", clip, within, "--max-bytes", "1000"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("does not fit in 1,000 bytes"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(within + ".bak")) << "nothing was written";
}

TEST(TessanimBuild, AMovieLineGoesAmongTheOtherItems)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed: it makes the clips";
    TempFolder folder;
    ASSERT_TRUE(makeClip("testsrc=size=320x240:rate=25:duration=2", folder.file("my clip.mp4"),
                         "-pix_fmt yuv420p"));
    const NoLeakCheckInToolRuns decodingMovies;
    const std::string encoded = folder.file("ENCODED.QLM");
    ASSERT_EQ(runTool(folder, {"encode", folder.file("my clip.mp4"), encoded, "--from", "1",
                               "--fit", "pad", "--quality", "50"})
                      .status,
              0);
    writeText(folder.file("cut.txt"),
              "movie my clip.mp4 from=1 fit=pad quality=50\nsound 3\npause 5\nfade out\nend\n");
    const std::string built = folder.file("BUILT.QLM");
    const ToolRun run = runTool(folder, {"build", folder.file("cut.txt"), built});
    ASSERT_EQ(run.status, 0) << run.err;

    auto expected = loadAnimation(encoded);
    const auto items = loadAnimation(built);
    ASSERT_TRUE(expected && items);
    ASSERT_GE(items->size(), 4u);
    expected->pop_back();
    expected->insert(expected->end(), items->end() - 4, items->end());
    const auto builtBytes = writeAnimation(*items);
    const auto expectedBytes = writeAnimation(*expected);
    ASSERT_TRUE(builtBytes && expectedBytes);
    EXPECT_EQ(*builtBytes, *expectedBytes);
    EXPECT_EQ((*items)[items->size() - 4].Code, kCodeSound);

    writeText(folder.file("bad.txt"), "fade in\nmovie missing.mp4\nend\n");
    const ToolRun refused = runTool(folder, {"build", folder.file("bad.txt"), built});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("manifest line 2: movie \"missing.mp4\":"), std::string::npos)
            << refused.err;
}

TEST(TessanimEncode, TheSoundTrackBecomesAGameSoundPlayedFromTheStart)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed: it makes the clips";
    TempFolder folder;
    const std::string clip = folder.file("clip.mkv");
    ASSERT_TRUE(makeClip("testsrc=size=320x240:rate=25:duration=2", clip,
                         "-f lavfi -i sine=frequency=440:duration=2 -c:v ffv1 -c:a flac"));
    std::filesystem::create_directory(folder.path() / "sounds");
    const NoLeakCheckInToolRuns decodingMovies;
    const std::string out = folder.file("OUT.QLM");
    const std::vector<std::string> withSound = {"encode",
                                                clip,
                                                out,
                                                "--to",
                                                "1.5",
                                                "--sound",
                                                "7",
                                                "--sounds",
                                                folder.file("sounds"),
                                                "--sound-pattern",
                                                "SND%02d.VOC"};
    const ToolRun run = runTool(folder, withSound);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto items = loadAnimation(out);
    ASSERT_TRUE(items && items->size() > 2);
    EXPECT_EQ((*items)[1].Code, kCodeSound);
    EXPECT_EQ(payloadValue((*items)[1]), 7);
    EXPECT_EQ(ticksOf(out), 105);
    const auto voc = readVocFile(readBytes(folder.file("sounds/SND07.VOC")), 60);
    ASSERT_TRUE(voc) << voc.error();
    EXPECT_EQ(voc->channels, 1);
    EXPECT_NEAR(double(voc->samples.size()) / voc->sampleRate, 1.5, 0.05);
    const auto loudest = *std::max_element(voc->samples.begin(), voc->samples.end());
    EXPECT_GE(loudest, 0x8C) << "the sine (at an eighth of full scale) is there, not silence";

    // The sound file is kept unless replacing it is asked for, and nothing else is written.
    const auto before = readBytes(out);
    const ToolRun again = runTool(folder, withSound);
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("exists already"), std::string::npos) << again.err;
    EXPECT_EQ(readBytes(out), before);
    EXPECT_FALSE(std::filesystem::exists(out + ".bak"));
    auto forced = withSound;
    forced.push_back("--force");
    EXPECT_EQ(runTool(folder, forced).status, 0);
}

TEST(TessanimEncode, EveryOutputIsCheckedBeforeTheWorkAndNoneIsWrittenUnlessAllCanBe)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "ffmpeg is not installed: it makes the clips";
    TempFolder folder;
    // Named as sound 9 would be with the pattern S%02d.mkv.
    const std::string clip = folder.file("S09.mkv");
    ASSERT_TRUE(makeClip("testsrc=size=320x240:rate=25:duration=1", clip,
                         "-f lavfi -i sine=frequency=440:duration=1 -c:v ffv1 -c:a flac"));
    std::filesystem::create_directory(folder.path() / "shots");
    for (const char *name : {"shots/f_0001.png", "shots/f_0002.png"})
        ASSERT_TRUE(makeClip("color=c=red:size=32x24", folder.file(name), "-frames:v 1"));
    writeText(folder.file("text.mp4"), "not a movie");
    const NoLeakCheckInToolRuns decodingMovies;
    const auto movieBytes = readBytes(clip);
    const auto pictureBytes = readBytes(folder.file("shots/f_0002.png"));
    const std::string out = folder.file("OUT.QLM");
    const std::vector<std::uint8_t> old{'o', 'l', 'd'};
    writeBytes(out, old);
    const std::string sound = "--sound=9";
    const struct
    {
        std::vector<std::string> arguments;
        std::string message;
    } rows[] = {
            {{clip, clip}, "is a file the movie is read from"},
            {{folder.file("shots/f_%04d.png"), folder.file("shots/f_0002.png")},
             "is a file the movie is read from"},
            {{folder.file("shots"), folder.file("shots/f_0002.png")},
             "is a file the movie is read from"},
            // The output is refused before the movie is even read.
            {{folder.file("text.mp4"), folder.file("nodir/x.QLM")},
             "Could not save \"" + folder.file("nodir/x.QLM") + "\": No such file or directory."},
            {{clip, folder.file("S09.VOC"), sound, "--sounds", folder.path().string(),
              "--sound-pattern", "S%02d.VOC"},
             "and OUT are the same file"},
            {{clip, out, sound, "--sounds", folder.path().string(), "--sound-pattern", "S%02d.mkv",
              "--force"},
             "is a file the movie is read from"},
#ifdef __linux__
            // A folder no file can be made in, even by root: the animation is not written either.
            {{clip, out, sound, "--sounds", "/sys", "--sound-pattern", "S%02d.VOC"},
             "Could not save \"/sys/S09.VOC\""},
#endif
    };
    for (const auto &row : rows) {
        std::vector<std::string> arguments{"encode"};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        const ToolRun run = runTool(folder, arguments);
        EXPECT_EQ(run.status, 1) << row.arguments[1];
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
        EXPECT_EQ(readBytes(clip), movieBytes);
        EXPECT_EQ(readBytes(folder.file("shots/f_0002.png")), pictureBytes);
        EXPECT_EQ(readBytes(out), old);
        EXPECT_FALSE(std::filesystem::exists(out + ".bak")) << row.message;
        EXPECT_FALSE(std::filesystem::exists(folder.file("S09.VOC"))) << row.message;
    }
}

// A clip of the build's (tests/cli/CMakeLists.txt), made by the build machine's ffmpeg: the
// Windows tests, under Wine, cannot start it themselves.
struct Clip
{
    const char *name;
    Tick ticks; // its length at 70 ticks a second
    int frames; // testsrc's pictures
    bool sound; // a sine of 440 Hz for the whole clip
};

void PrintTo(const Clip &clip, std::ostream *out)
{
    *out << clip.name;
}

class TessanimEncodeClip : public testing::TestWithParam<Clip>
{
};

TEST_P(TessanimEncodeClip, IsEveryPictureAndLastsItsLengthWithItsSound)
{
    const char *clips = std::getenv("TESSA_TEST_CLIPS");
    ASSERT_NE(clips, nullptr) << "the build names the folder of its clips in TESSA_TEST_CLIPS";
    const Clip clip = GetParam();
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "sounds");
    const NoLeakCheckInToolRuns decodingMovies;
    const std::string out = folder.file("OUT.QLM");
    std::vector<std::string> arguments = {"encode",
                                          (std::filesystem::path(clips) / clip.name).string(), out};
    if (clip.sound) {
        arguments.insert(arguments.end(), {"--sound", "7", "--sounds", folder.file("sounds"),
                                           "--sound-pattern", "SND%02d.VOC"});
    }
    const ToolRun run = runTool(folder, arguments);
    if (!TESSA_MOVIE_FILES) {
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("movie files need FFmpeg"), std::string::npos) << run.err;
        return;
    }
    ASSERT_EQ(run.status, 0) << run.err;
    const auto items = loadAnimation(out);
    ASSERT_TRUE(items);
    // A picture that maps to the indices of the one before adds no image: nearly all do.
    const auto images = std::count_if(items->begin(), items->end(),
                                      [](const AnimItem &item) { return item.Code == kCodeImage; });
    EXPECT_LE(images, clip.frames);
    EXPECT_GE(images, clip.frames * 9 / 10);
    EXPECT_EQ(ticksOf(out), clip.ticks);
    if (!clip.sound) {
        EXPECT_TRUE(TempFolder::entriesOf(folder.path() / "sounds").empty());
        return;
    }
    ASSERT_GT(items->size(), 1u);
    EXPECT_EQ((*items)[1].Code, kCodeSound);
    EXPECT_EQ(payloadValue((*items)[1]), 7);
    const auto voc = readVocFile(readBytes(folder.file("sounds/SND07.VOC")), 60);
    ASSERT_TRUE(voc) << voc.error();
    EXPECT_NEAR(double(voc->samples.size()) / voc->sampleRate, clip.ticks / 70.0, 0.05);
    EXPECT_GE(*std::max_element(voc->samples.begin(), voc->samples.end()), 0x8C)
            << "the sine is there, not silence";
}

INSTANTIATE_TEST_SUITE_P(
        Kinds, TessanimEncodeClip,
        testing::Values(Clip{"h264.mp4", 140, 50, true}, Clip{"vp9.webm", 70, 25, true},
                        Clip{"ffv1.mkv", 70, 25, false}, Clip{"mjpeg.avi", 70, 25, true},
                        Clip{"anim.gif", 70, 10, false}, Clip{"anim.apng", 70, 10, false}),
        [](const testing::TestParamInfo<Clip> &info) {
            std::string name = info.param.name;
            std::replace(name.begin(), name.end(), '.', '_');
            return name;
        });
