// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/soundname.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

using namespace tessa;

TEST(SoundName, AcceptedPatterns)
{
    const struct
    {
        const char *pattern;
        std::int32_t number;
        const char *name;
    } rows[] = {
            {"SOUND%02d.VOC", 5, "SOUND05.VOC"},
            {"SOUND%02d.VOC", 123, "SOUND123.VOC"},
            {"S%d.WAV", 0, "S0.WAV"},
            {"S%d.WAV", 65535, "S65535.WAV"},
            {"S%4d.WAV", 7, "S   7.WAV"},
            {"S%04d.WAV", -7, "S-007.WAV"},
            {"S%3d.WAV", -7, "S -7.WAV"},
            {"%d", std::numeric_limits<std::int32_t>::min(), "-2147483648"},
            {"100%%_%d.voc", 3, "100%_3.voc"},
            {"%d-%03d", 9, "9-009"},
            {"S%16d", 1, "S               1"},
            {"S%016d", 1, "S0000000000000001"},
    };
    for (const auto &row : rows) {
        const auto name = formatSoundName(row.pattern, row.number);
        ASSERT_TRUE(name) << row.pattern;
        EXPECT_EQ(*name, row.name) << row.pattern;
        EXPECT_TRUE(checkSoundPattern(row.pattern)) << row.pattern;
    }
}

TEST(SoundName, RefusedPatterns)
{
    const struct
    {
        const char *pattern;
        const char *text;
    } rows[] = {
            {"", "The sound name pattern is empty."},
            {"SOUND.VOC", "The sound name pattern must hold the sound number as %d."},
            {"100%%.VOC", "The sound name pattern must hold the sound number as %d."},
            {"S%s.VOC", "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to 16) and "
                        "%%, not \"%s\"."},
            {"S%n", "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to 16) and %%, "
                    "not \"%n\"."},
            {"S%x%d", "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to 16) and "
                      "%%, not \"%x\"."},
            {"S%d%", "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to 16) and %%, "
                     "not \"%\"."},
            {"S%0d", "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to 16) and %%, "
                     "not \"%0d\"."},
            {"S%17d", "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to 16) and "
                      "%%, not \"%17d\"."},
            {"S%99999999999d", "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to "
                               "16) and %%, not \"%9999\"."},
            {"S%-3d", "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to 16) and "
                      "%%, not \"%-\"."},
            {"S%ld", "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to 16) and "
                     "%%, not \"%l\"."},
            {"../S%d.VOC", "The sound name pattern must be a file name, without \"/\" or \"\\\"."},
            {"A\\S%d.VOC", "The sound name pattern must be a file name, without \"/\" or \"\\\"."},
    };
    for (const auto &row : rows) {
        const auto name = formatSoundName(row.pattern, 1);
        ASSERT_FALSE(name) << row.pattern;
        EXPECT_EQ(name.error().text, row.text) << row.pattern;
        const auto check = checkSoundPattern(row.pattern);
        ASSERT_FALSE(check) << row.pattern;
        EXPECT_EQ(check.error().text, row.text) << row.pattern;
    }
}

TEST(SoundName, TheLowestFreeSoundIsNeitherCuedNorAFile)
{
    const auto cueing = [](std::initializer_list<std::int16_t> numbers) {
        ItemList items{makeImageItem(std::vector<std::uint8_t>(kFrameSize, 0))};
        for (const std::int16_t number : numbers)
            items.push_back(makeSoundItem(number));
        items.push_back(makeEndItem());
        return items;
    };
    const auto files = [](std::set<int> numbers) {
        return [numbers](int number) { return numbers.contains(number); };
    };
    const struct
    {
        ItemList items;
        std::function<bool(int)> fileExists;
        int free;
    } rows[] = {
            {cueing({}), {}, 0},
            {cueing({0, 1}), {}, 2},         // the demo's title cues sound 1
            {cueing({1}), files({0, 2}), 3}, // a sound file of the game is kept
            {cueing({5}), files({0, 1, 2, 3, 4}), 6},
    };
    for (const auto &row : rows)
        EXPECT_EQ(lowestFreeSound(row.items, row.fileExists), row.free);
    std::set<int> all;
    for (int number = kLowestSound; number <= kHighestSound; ++number)
        all.insert(number);
    EXPECT_EQ(lowestFreeSound(cueing({}), files(all)), -1);
    EXPECT_EQ(cuedSounds(cueing({3, 1, 3})), (std::map<int, int>{{1, 2}, {3, 1}}));
}
