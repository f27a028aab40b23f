// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animfile.h"
#include "runtool.h"
#include "timing/timeline.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
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
