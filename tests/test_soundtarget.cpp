// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/soundname.h"
#include "document/soundtarget.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

using namespace tessa;
using namespace tessa::test;

TEST(SoundTarget, NamesTheFileOrSaysWhyNot)
{
    using Kind = SoundTargetRefusal::Kind;
    TempFolder folder;
    std::ofstream(folder.file("S05.VOC")) << "taken";
    const std::string here = folder.path().string();
    const std::string missing = folder.file("elsewhere");
    const struct
    {
        std::string folder;
        const char *pattern;
        std::int32_t number;
        bool replace;
        std::optional<Kind> refused; // none: the file is named
        const char *name;
    } rows[] = {
            {here, "S%02d.VOC", 4, false, std::nullopt, "S04.VOC"},
            {here, "S%02d.VOC", 5, true, std::nullopt, "S05.VOC"},
            {here, "S%02d.VOC", 5, false, Kind::Exists, "S05.VOC"},
            {"", "S%02d.VOC", 4, false, Kind::NoPlace, ""},
            {here, "", 4, false, Kind::NoPlace, ""},
            {here, "S%02d.VOC", kHighestSound + 1, false, Kind::BadNumber, ""},
            {here, "S%02d.VOC", kLowestSound - 1, false, Kind::BadNumber, ""},
            {here, "SOUND.VOC", 4, false, Kind::BadPattern, ""},
            {here, "sub/S%d.VOC", 4, false, Kind::BadPattern, ""},
            {missing, "S%02d.VOC", 4, false, Kind::NoFolder, "S04.VOC"},
    };
    for (const auto &row : rows) {
        const auto target = soundTarget(row.folder, row.pattern, row.number, row.replace);
        const std::string path = row.name[0]
                                         ? (std::filesystem::path(row.folder) / row.name).string()
                                         : std::string();
        if (!row.refused) {
            ASSERT_TRUE(target) << row.pattern << ' ' << row.number;
            EXPECT_EQ(*target, path);
            continue;
        }
        ASSERT_FALSE(target) << row.pattern << ' ' << row.number;
        EXPECT_EQ(target.error().kind, *row.refused) << row.pattern << ' ' << row.number;
        EXPECT_EQ(target.error().path, path) << "the file named, where it is known";
        if (*row.refused == Kind::BadPattern) {
            EXPECT_FALSE(target.error().patternNotice.text.empty());
        }
    }
}
