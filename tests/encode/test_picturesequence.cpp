// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encode/picturesequence.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace tessa;
using namespace tessa::test;

namespace {

std::vector<std::string> namesOf(const std::vector<std::string> &paths)
{
    std::vector<std::string> names;
    for (const std::string &path : paths)
        names.push_back(std::filesystem::path(path).filename().string());
    return names;
}

void touch(const TempFolder &folder, const std::string &name)
{
    writeText(folder.file(name), "x");
}

} // namespace

TEST(PictureSequence, AFolderIsTakenInTheOrderOfTheNumbersNotOfTheNames)
{
    TempFolder folder;
    // Only pictures count, and a digit in a suffix is no number of a picture.
    for (const char *name : {"shot10.png", "shot2.png", "shot1.png", "notes7.txt", "take3-9.png",
                             "source.mp4", "clip.h264", "cover.PNG", "4.BMP"})
        touch(folder, name);
    EXPECT_EQ(namesOf(numberedPictures(folder.path().string())),
              (std::vector<std::string>{"shot1.png", "shot2.png", "4.BMP", "take3-9.png",
                                        "shot10.png"}));
}

TEST(PictureSequence, APatternRunsFromItsFirstNumberToTheFirstGap)
{
    TempFolder folder;
    for (const char *name : {"f_0001.png", "f_0002.png", "f_0003.png", "f_0005.png", "100%_7.png"})
        touch(folder, name);
    const auto files = patternPictures(folder.file("f_%04d.png"));
    ASSERT_TRUE(files);
    EXPECT_EQ(namesOf(*files),
              (std::vector<std::string>{"f_0001.png", "f_0002.png", "f_0003.png"}));
    const auto percent = patternPictures(folder.file("100%%_%d.png"));
    ASSERT_TRUE(percent);
    EXPECT_TRUE(percent->empty()); // 7 is past the first numbers a sequence may start at
    EXPECT_TRUE(patternPictures(folder.file("g_%04d.png"))->empty());
}

TEST(PictureSequence, OnlyOneWholeNumberConversionMakesAPattern)
{
    for (const char *text : {"f.png", "f_%s.png", "f_%d_%d.png", "f_%4x.png", "f_%"})
        EXPECT_FALSE(patternPictures(text)) << text;
}

TEST(PictureSequence, APictureChosenFromNumberedOnesStandsForAllOfThem)
{
    TempFolder folder;
    for (const char *name : {"shot_001.png", "shot_002.png", "shot_003.png", "lone7.png",
                             "50%_1.png", "50%_2.png", "take1.png", "take2.png", "plain.png"})
        touch(folder, name);
    const struct
    {
        const char *chosen;
        std::optional<std::string> pattern;
    } rows[] = {
            {"shot_001.png", "shot_%03d.png"}, {"shot_003.png", "shot_%03d.png"},
            {"take2.png", "take%d.png"},       {"50%_1.png", "50%%_%d.png"},
            {"lone7.png", std::nullopt}, // no others
            {"plain.png", std::nullopt}, // no number
    };
    for (const auto &row : rows) {
        const auto pattern = numberedPatternOf(folder.file(row.chosen));
        EXPECT_EQ(pattern, row.pattern ? std::optional(folder.file(*row.pattern)) : std::nullopt)
                << row.chosen;
    }
    EXPECT_EQ(namesOf(*patternPictures(*numberedPatternOf(folder.file("shot_002.png")))),
              (std::vector<std::string>{"shot_001.png", "shot_002.png", "shot_003.png"}));
}
