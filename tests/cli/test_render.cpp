// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtool.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tessa::test;

namespace {

struct RenderCase
{
    const char *name;
    const char *out;
    std::vector<std::string> options;
    int status;
    std::vector<std::string> files;
    std::string err; // the start of stderr
};

class TessanimRender : public testing::TestWithParam<RenderCase>
{
};

// The demo animation through `render`: its two sound cues have no files, so a sound folder
// brings two warnings; stderr is not a terminal, so no progress is printed.
TEST_P(TessanimRender, writesTheMovieOrSaysWhyNot)
{
    const RenderCase &row = GetParam();
    TempFolder folder;
    TempFolder scratch;
    std::vector<std::string> arguments = {"render", TESSA_DEMO_ANIMATION};
    arguments.push_back(folder.file(row.out));
    for (std::string option : row.options) {
        if (option == "SOUNDS")
            option = scratch.path().string();
        arguments.push_back(option);
    }
    const ToolRun run = runTool(scratch, arguments);
    EXPECT_EQ(run.status, row.status) << run.err;
    EXPECT_EQ(run.err.substr(0, row.err.size()), row.err);
    EXPECT_EQ(folder.entries(), row.files);
}

INSTANTIATE_TEST_SUITE_P(
        Cases, TessanimRender,
        testing::Values(
                RenderCase{"gif", "demo.gif", {"--tick-rate", "25"}, 0, {"demo.gif"}, ""},
#if TESSA_VIDEO_MOVIES
                RenderCase{"mp4WithSounds",
                           "demo.mp4",
                           {"--sounds", "SOUNDS", "--sound-pattern", "S%d.VOC"},
                           0,
                           {"demo.mp4"},
                           "Warning: Sound 1 is left out: "},
#else
                RenderCase{"mp4Refused",
                           "demo.mp4",
                           {"--sounds", "SOUNDS", "--sound-pattern", "S%d.VOC"},
                           1,
                           {},
                           "Cannot write \""},
#endif
                // Lines 5 and 6 are an image and a pause of 25 ticks: a picture a tick.
                RenderCase{"part",
                           "demo.png",
                           {"--from", "5", "--to", "6"},
                           0,
                           {"demo-00001.png", "demo-00002.png", "demo-00003.png", "demo-00004.png",
                            "demo-00005.png", "demo-00006.png", "demo-00007.png", "demo-00008.png",
                            "demo-00009.png", "demo-00010.png", "demo-00011.png", "demo-00012.png",
                            "demo-00013.png", "demo-00014.png", "demo-00015.png", "demo-00016.png",
                            "demo-00017.png", "demo-00018.png", "demo-00019.png", "demo-00020.png",
                            "demo-00021.png", "demo-00022.png", "demo-00023.png", "demo-00024.png",
                            "demo-00025.png"},
                           ""},
                RenderCase{"unknownKind", "demo.avi", {}, 1, {}, "Cannot tell the kind of movie"},
                RenderCase{"badScale", "demo.gif", {"--scale", "9"}, 2, {}, ""},
                RenderCase{"dryRunWritesNothing", "demo.gif", {"--dry-run"}, 0, {}, ""},
                RenderCase{"dryRunOfAVideo",
                           "demo.mp4",
                           {"--dry-run"},
                           1,
                           {},
                           "--dry-run tells the size of a GIF only."}),
        [](const testing::TestParamInfo<RenderCase> &info) {
            return std::string(info.param.name);
        });

} // namespace

namespace {

// The size told before is the size written, for the options that change it.
TEST(TessanimRender, dryRunTellsTheExactSizeOfTheGif)
{
    TempFolder folder;
    TempFolder scratch;
    const std::string gif = folder.file("demo.gif");
    const std::vector<std::string> options = {"--tick-rate", "25",       "--scale",
                                              "2",           "--aspect", "4:3"};
    std::vector<std::string> arguments = {"render", TESSA_DEMO_ANIMATION, gif};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back("--dry-run");
    const ToolRun told = runTool(scratch, arguments);
    ASSERT_EQ(told.status, 0) << told.err;
    arguments.pop_back();
    ASSERT_EQ(runTool(scratch, arguments).status, 0);
    EXPECT_EQ(told.out, gif + ": " + std::to_string(std::filesystem::file_size(gif))
                                + " bytes (exact); nothing written\n");
}

} // namespace

// The demo's cues 1 and 2 with VOC files as ffmpeg writes them (many blocks) and one that holds
// no sound: the first is mixed in without a word, the second is left out naming its file.
TEST(TessanimRenderSounds, VocFilesOfFfmpegAreMixedAndABadOneIsNamed)
{
    if (std::system("command -v ffmpeg >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "ffmpeg is not installed: it makes the sound files";
    TempFolder folder;
    TempFolder sounds;
    const std::string first = sounds.file("S1.VOC");
    ASSERT_EQ(std::system(("ffmpeg -loglevel error -y -f lavfi -i sine=frequency=440:duration=0.3 "
                           "-c:a pcm_u8 "
                           + shellQuoted(first))
                                  .c_str()),
              0);
    const std::string second = sounds.file("S2.VOC");
    writeText(second, std::string("Creative Voice File\x1A\x1A\0\x14\x01\x1F\x11\0", 27));

    const ToolRun run = runTool(folder, {"render", TESSA_DEMO_ANIMATION, folder.file("demo.webm"),
                                         "--tick-rate", "25", "--sounds", sounds.path().string(),
                                         "--sound-pattern", "S%d.VOC"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Warning: Sound 2 is left out: The sound file " + second
                               + " cannot be played: it holds no sound.\n");
}
