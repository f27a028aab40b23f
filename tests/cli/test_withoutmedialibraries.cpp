// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessanim built without the image libraries: BMP frames work, and PNG, colour matching and movies
// are refused with a message that says why, leaving no file behind.
#include "animbytes.h"
#include "document/animfile.h"
#include "imaging/bmp.h"
#include "imaging/palette.h"
#include "runtool.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tessa;
using namespace tessa::test;

namespace {

const std::string kWhy = "needs the image libraries, which this build of tessanim was made "
                         "without. Use 8-bit 320 x 200 BMP files, or a build that has them.\n";

Bytes frameBmp()
{
    return AddBMPHeader(kFrameWidth, kFrameHeight, Bytes(kFrameSize, 5),
                        paletteColorsFromData(builtInPalette(0)));
}

} // namespace

TEST(TessanimWithoutMediaLibraries, RefusesWhatNeedsThemAndSaysWhy)
{
    TempFolder folder;
    writeBytes(folder.file("a.bmp"), frameBmp());
    writeBytes(folder.file("b.png"), Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0});
    const auto animation = writeAnimation({makeImageItem(Bytes(kFrameSize, 5)), makeEndItem()});
    ASSERT_TRUE(animation);
    writeBytes(folder.file("EANIM.QLM"), *animation);

    const struct
    {
        const char *manifest; // for build; none: the command below
        std::vector<std::string> command;
        std::string err;
        std::string mustNotExist;
    } rows[] = {
            {"image b.png\nend\n",
             {},
             "manifest line 1: image \"b.png\":\nReading the image \"",
             "out.QLM"},
            {"image a.bmp match\nend\n",
             {},
             "manifest line 1: image \"a.bmp\":\nMatching the colours of \"",
             "out.QLM"},
            {nullptr,
             {"export", folder.file("EANIM.QLM"), folder.file("frames"), "--format", "png"},
             "Writing the PNG file \"",
             "frames/EANIM-QLM-1.png"},
            {nullptr,
             {"render", folder.file("EANIM.QLM"), folder.file("movie.gif")},
             "Writing the movie \"",
             "movie.gif"},
    };
    for (const auto &row : rows) {
        std::vector<std::string> command = row.command;
        if (row.manifest) {
            writeText(folder.file("m.txt"), row.manifest);
            command = {"build", folder.file("m.txt"), folder.file("out.QLM")};
        }
        const ToolRun run = runTool(folder, command);
        EXPECT_EQ(run.status, 1) << command[0];
        EXPECT_TRUE(run.err.starts_with(row.err)) << run.err;
        EXPECT_TRUE(run.err.ends_with(kWhy)) << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder.path() / row.mustNotExist)) << command[0];
    }

    writeText(folder.file("m.txt"), "image a.bmp\nend\n");
    const ToolRun bmp = runTool(folder, {"build", folder.file("m.txt"), folder.file("out.QLM")});
    EXPECT_EQ(bmp.status, 0) << bmp.err;
    EXPECT_EQ(readBytes(folder.file("out.QLM")), *animation);
}
