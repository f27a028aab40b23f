// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessanim loads its image and movie functions from tessanim-media.so beside it (or installed):
// without the module, BMP work goes on and the rest is refused, saying why.
#include "animbytes.h"
#include "document/animfile.h"
#include "imaging/bmp.h"
#include "imaging/palette.h"
#include "runtool.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tessa;
using namespace tessa::test;

TEST(TessanimMediaModule, WithoutItOnlyBmpWorkIsDone)
{
    TempFolder folder;
    const auto animation = writeAnimation({makeImageItem(Bytes(kFrameSize, 5)), makeEndItem()});
    ASSERT_TRUE(animation);
    writeBytes(folder.file("EANIM.QLM"), *animation);
    writeBytes(folder.file("a.bmp"), AddBMPHeader(kFrameWidth, kFrameHeight, Bytes(kFrameSize, 5),
                                                  paletteColorsFromData(builtInPalette(0))));
    writeText(folder.file("m.txt"), "image a.bmp\nend\n");

    // The built program, with the module and alone.
    const std::string alone = folder.file("tessanim");
    std::filesystem::copy_file(TESSANIM_PATH, alone);
    for (const bool withModule : {true, false}) {
        const std::string program = withModule ? std::string(TESSANIM_PATH) : alone;
        const ToolRun png = runProgram(
                program, folder,
                {"frame", folder.file("EANIM.QLM"), "1", folder.file("f.png"), "--format", "png"});
        EXPECT_EQ(png.status, withModule ? 0 : 1) << png.err;
        EXPECT_EQ(std::filesystem::exists(folder.file("f.png")), withModule);
        if (!withModule) {
            EXPECT_EQ(png.err, "Writing the PNG file \"" + folder.file("f.png")
                                       + "\" needs the image libraries, which tessanim could not "
                                         "load: tessanim-media.so is not installed beside "
                                         "tessanim. Use 8-bit 320 x 200 BMP files, or a build "
                                         "that has them.\n");
        }
        std::filesystem::remove(folder.file("f.png"));

        const ToolRun build =
                runProgram(program, folder, {"build", folder.file("m.txt"), folder.file("b.QLM")});
        EXPECT_EQ(build.status, 0) << build.err;
        EXPECT_EQ(readBytes(folder.file("b.QLM")), *animation);
        std::filesystem::remove(folder.file("b.QLM"));
    }
}
