// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/paths.h"

#include <gtest/gtest.h>

using namespace tessa;

TEST(Paths, FileNameAndFolderSplitAtTheLastSeparator)
{
    const struct
    {
        const char *path;
        const char *fileName;
        const char *folder;
    } rows[] = {
            {"C:\\Games\\EANIM.QLM", "EANIM.QLM", "C:\\Games"},
            {"/home/ada/anims/EANIM.QLM", "EANIM.QLM", "/home/ada/anims"},
            {"C:/Games\\sub/EANIM.QLM", "EANIM.QLM", "C:/Games\\sub"},
            {"C:\\Games\\", "", "C:\\Games"},
            {"\\EANIM.QLM", "EANIM.QLM", ""},
            {"/EANIM.QLM", "EANIM.QLM", ""},
            {"EANIM.QLM", "EANIM.QLM", ""},
            {"", "", ""},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(GetFileName(row.path), row.fileName) << row.path;
        EXPECT_EQ(GetFolder(row.path), row.folder) << row.path;
    }
}

TEST(Paths, ExportNamesReplaceEveryDotOfTheFileNameOnly)
{
    EXPECT_EQ(exportFileName("C:\\GAME\\EANIM.QLM", 2), "EANIM-QLM-3.bmp");
    EXPECT_EQ(exportFileName("/data/v1.2/intro.anim.bin", 0), "intro-anim-bin-1.bmp");
    EXPECT_EQ(exportFileName("", 0), "-1.bmp");
    EXPECT_EQ(exportFileName("/x/ANIM", 9999), "ANIM-10000.bmp");
}

TEST(Paths, JoinAddsOneSeparator)
{
    EXPECT_EQ(joinPath("/tmp/out", "a.bmp"), "/tmp/out/a.bmp");
    EXPECT_EQ(joinPath("/", "a.bmp"), "/a.bmp");
    EXPECT_EQ(joinPath("C:\\", "a.bmp"), "C:\\a.bmp");
    EXPECT_EQ(joinPath("", "a.bmp"), "a.bmp");
}
