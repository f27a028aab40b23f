// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandoutput.h"
#include "document/nativefile.h"
#include "movie/movierenderer.h"
#include "movie/pngsequencewriter.h"
#include "movieanimation.h"
#include "tempfolder.h"
#include "timing/timeline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

using namespace tessa;
using namespace tessa::test;

namespace {

// A palette whose every entry differs in all three components, so any wrong fade step shows.
PaletteColors rampPalette()
{
    PaletteColors colors{};
    for (int i = 0; i < 256; ++i)
        colors[std::size_t(i)] =
                colorFromRgb(std::uint8_t(i & 0xFC), std::uint8_t((255 - i) & 0xFC),
                             std::uint8_t((i * 7) & 0xFC));
    return colors;
}

MovieRequest fadingRequest(double tickRate)
{
    MovieRequest request;
    request.colors = rampPalette();
    request.timing.tickRate = tickRate;
    return request;
}

std::string rgbText(std::uint32_t color)
{
    return std::to_string(redOf(color)) + "," + std::to_string(greenOf(color)) + ","
           + std::to_string(blueOf(color));
}

// Pillow's view of a GIF: per frame its delay in milliseconds and the two corner colours, then
// the loop count.
constexpr const char *kGifReader = R"(
import sys
from PIL import Image
im = Image.open(sys.argv[1])
for i in range(im.n_frames):
    im.seek(i)
    rgb = im.convert("RGB")
    w, h = rgb.size
    a = rgb.getpixel((0, 0))
    b = rgb.getpixel((w - 1, h - 1))
    print(im.info["duration"], "%d,%d,%d" % a, "%d,%d,%d" % b)
print("loop", im.info.get("loop"), rgb.size[0], rgb.size[1])
)";

TEST(GifMovie, everyFadeStepDecodesToItsExactColoursAndDelay)
{
    const std::string python = TESSA_PYTHON3;
    if (python.empty() || std::system((python + " -c 'import PIL' >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "python3 with Pillow (python3-pil) is not installed";
    TempFolder folder;
    const std::string gif = folder.file("fade.gif");
    const ItemList items = fadingAnimation();
    // 25 ticks a second: every tick is 4 hundredths, so no step is merged.
    const MovieRequest request = fadingRequest(25.0);
    const auto report = renderMovie(gif, items, request);
    ASSERT_TRUE(report) << report.error().text;
    writeText(folder.file("read.py"), kGifReader);

    // What the timeline says, frame by frame.
    const Timeline timeline = buildTimeline(items, request.timing);
    std::ostringstream expected;
    const auto &steps = timeline.steps();
    for (std::size_t i = 0; i < steps.size() && steps[i].tick < timeline.durationTicks(); ++i) {
        const Tick next = i + 1 < steps.size() ? steps[i + 1].tick : timeline.durationTicks();
        const PaletteColors colors = fadedPalette(request.colors, steps[i].screen.fadeLevel);
        const int topLeft = steps[i].screen.image == 0 ? kTopLeftA : kTopLeftB;
        expected << (next - steps[i].tick) * 40 << ' ' << rgbText(colors[topLeft]) << ' '
                 << rgbText(colors[kBottomRight]) << '\n';
    }
    expected << "loop 0 320 200\n";
    EXPECT_EQ(commandOutput(python + " " + folder.file("read.py") + " " + gif), expected.str());
    // 30 fade-in steps, then image B's 30 fade-out steps: its first step starts as it appears.
    EXPECT_EQ(report->screens, 60);
}

TEST(GifMovie, scaledTo43IsTheSameSizeAsEveryOtherFormat)
{
    const std::string python = TESSA_PYTHON3;
    if (python.empty() || std::system((python + " -c 'import PIL' >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "python3 with Pillow (python3-pil) is not installed";
    TempFolder folder;
    MovieRequest request = fadingRequest(25.0);
    request.scale = 2;
    request.aspect43 = true;
    ASSERT_TRUE(renderMovie(folder.file("big.gif"), fadingAnimation(), request));
    writeText(folder.file("read.py"), kGifReader);
    const std::string text =
            commandOutput(python + " " + folder.file("read.py") + " " + folder.file("big.gif"));
    EXPECT_NE(text.find("loop 0 640 480\n"), std::string::npos) << text;
}

struct VideoCase
{
    const char *name;
    double tickRate;
    const char *codec;
    const char *audioCodec;
};

class VideoMovie : public testing::TestWithParam<VideoCase>
{
};

TEST_P(VideoMovie, lastsTheTimelineWithinOneTickAndCarriesTheSound)
{
    const VideoCase &row = GetParam();
    const std::string ffprobe = TESSA_FFPROBE;
    const std::string ffmpeg = TESSA_FFMPEG;
    if (ffprobe.empty() || ffmpeg.empty())
        GTEST_SKIP() << "ffmpeg and ffprobe are not installed";
    TempFolder folder;
    // Sound 1 exists (a quarter second of tone), sound 2 does not.
    ASSERT_EQ(std::system((ffmpeg
                           + " -hide_banner -loglevel error -y -f lavfi -i "
                             "\"sine=frequency=440:sample_rate=22050:duration=0.25\" "
                           + folder.file("SND01.WAV"))
                                  .c_str()),
              0);
    ItemList items = fadingAnimation();
    items.insert(items.end() - 1, makeSoundItem(2));
    MovieRequest request = fadingRequest(row.tickRate);
    request.soundFolder = folder.path().string();
    request.soundPattern = "SND%02d.WAV";
    const std::string movie = folder.file(std::string("fade.") + row.name);
    const auto report = renderMovie(movie, items, request);
    ASSERT_TRUE(report) << report.error().text;
    ASSERT_EQ(report->warnings.size(), 1u);
    EXPECT_NE(report->warnings[0].find("Sound 2"), std::string::npos) << report->warnings[0];

    const double expected = buildTimeline(items, request.timing).durationTicks() / row.tickRate;
    const std::string duration = commandOutput(ffprobe
                                               + " -v error -show_entries format=duration "
                                                 "-of default=nw=1:nk=1 "
                                               + movie);
    EXPECT_NEAR(std::stod(duration), expected, 1.0 / row.tickRate) << duration;
    const std::string codecs = commandOutput(ffprobe
                                             + " -v error -show_entries stream=codec_name "
                                               "-of default=nw=1:nk=1 "
                                             + movie);
    EXPECT_EQ(codecs, std::string(row.codec) + "\n" + row.audioCodec + "\n");
    EXPECT_EQ(TempFolder::entriesOf(folder.path()),
              (std::vector<std::string>{"SND01.WAV", std::string("fade.") + row.name}));
}

INSTANTIATE_TEST_SUITE_P(Formats, VideoMovie,
                         testing::Values(VideoCase{"webm", 70.0, "vp9", "opus"},
                                         VideoCase{"mp4", 70.0, "h264", "aac"},
                                         VideoCase{"mp4", 18.2065, "h264", "aac"}),
                         [](const testing::TestParamInfo<VideoCase> &info) {
                             return std::string(info.param.name) + "At"
                                    + std::to_string(int(info.param.tickRate));
                         });

class CancelledMovie : public testing::TestWithParam<const char *>
{
};

TEST_P(CancelledMovie, leavesNoFile)
{
    TempFolder folder;
    const std::string movie = folder.file(std::string("fade.") + GetParam());
    int screens = 0;
    const auto report = renderMovie(movie, fadingAnimation(), fadingRequest(70.0),
                                    [&](Tick, Tick) { return ++screens < 5; });
    ASSERT_TRUE(report) << report.error().text;
    EXPECT_TRUE(report->cancelled);
    EXPECT_EQ(screens, 5);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_P(CancelledMovie, keepsTheFileThatWasThere)
{
    TempFolder folder;
    const std::string movie = folder.file(std::string("fade.") + GetParam());
    writeText(movie, "older");
    const auto report = renderMovie(movie, fadingAnimation(), fadingRequest(70.0),
                                    [](Tick, Tick) { return false; });
    ASSERT_TRUE(report);
    EXPECT_EQ(readText(movie), "older");
    EXPECT_EQ(folder.entries().size(), 1u);
}

TEST_P(CancelledMovie, intoAMissingFolderIsRefusedNamingThatFolder)
{
    TempFolder folder;
    const std::string missing = textFromPath(pathFromText(folder.path().string()) / "Bilder");
    const std::string movie =
            textFromPath(pathFromText(missing) / (std::string("intro.") + GetParam()));
    const auto report = renderMovie(movie, fadingAnimation(), fadingRequest(70.0));
    ASSERT_FALSE(report);
    EXPECT_EQ(report.error().text,
              "Could not save \"" + movie + "\": the folder \"" + missing + "\" does not exist.");
    EXPECT_TRUE(folder.entries().empty());
}

#if TESSA_VIDEO_MOVIES
INSTANTIATE_TEST_SUITE_P(Formats, CancelledMovie, testing::Values("gif", "webm", "mp4", "png"));
#else
INSTANTIATE_TEST_SUITE_P(Formats, CancelledMovie, testing::Values("gif", "png"));
#endif

TEST(MovieRefusals, unknownExtensionIsRefusedBeforeAnythingIsWritten)
{
    TempFolder folder;
    const auto report =
            renderMovie(folder.file("fade.avi"), fadingAnimation(), fadingRequest(70.0));
    ASSERT_FALSE(report);
    EXPECT_EQ(report.error().text, "Cannot tell the kind of movie from the name \""
                                           + folder.file("fade.avi")
                                           + "\" (\".avi\"): use .gif, .webm, .mp4 or .png.");
    EXPECT_TRUE(folder.entries().empty());
}

TEST(MovieRefusals, aFirstLinePastTheEndIsRefused)
{
    TempFolder folder;
    MovieRequest request = fadingRequest(70.0);
    request.fromLine = 7;
    const auto report = renderMovie(folder.file("fade.gif"), fadingAnimation(), request);
    ASSERT_FALSE(report);
    EXPECT_EQ(report.error().text, "There is no line 8 to start from: the animation has 7 lines.");
}

TEST(PngSequence, writesOneNumberedPictureForEveryTick)
{
    TempFolder folder;
    MovieRequest request = fadingRequest(70.0);
    request.fromLine = 4; // image B and its fade out: 30 ticks
    const auto report = renderMovie(folder.file("shot.png"), fadingAnimation(), request);
    ASSERT_TRUE(report) << report.error().text;
    const auto names = folder.entries();
    ASSERT_EQ(names.size(), 30u);
    EXPECT_EQ(names.front(), "shot-00001.png");
    EXPECT_EQ(names.back(), "shot-00030.png");
    EXPECT_EQ(PngSequenceWriter::frameName("a/b.png", 99999, 123456),
              std::filesystem::path("a") / "b-100000.png");
}

} // namespace

// Paths come as the program's text (UTF-8): a folder and names in any script must be written as
// given, not byte by byte, on every system.
TEST(MovieNames, aFolderAndNamesInAnyScriptAreWrittenAsGiven)
{
    TempFolder folder;
    const std::string place = folder.file("Tessarine St\u00fcdio");
    std::filesystem::create_directory(pathFromText(place));
    MovieRequest request = fadingRequest(70.0);
    request.fromLine = 4; // 30 ticks
    for (const std::string name : {"/d\u00e9mo.gif", "/d\u00e9mo.png"}) {
        const auto report = renderMovie(place + name, fadingAnimation(), request);
        ASSERT_TRUE(report) << report.error().text;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(pathFromText(place + "/d\u00e9mo.gif")));
    EXPECT_TRUE(std::filesystem::is_regular_file(pathFromText(place + "/d\u00e9mo-00030.png")));
    EXPECT_EQ(TempFolder::entriesOf(pathFromText(place)).size(), 31u) << "nothing else is left";
}
