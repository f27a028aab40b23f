// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timing/timeline.h"

#include <gtest/gtest.h>

using namespace tessa;

namespace {

// Images carry no pixels here: the timeline looks at codes and payloads only.
AnimItem image()
{
    return makeImageItem({});
}

AnimItem unknownItem()
{
    AnimItem item;
    item.Code = "ZZ";
    return item;
}

ScreenState screen(int image, int level)
{
    return {image, level};
}

} // namespace

TEST(Timeline, FadeLevelsTickByTick)
{
    // 0 image, 1 fade out, 2 image, 3 pause 5, 4 fade in, 5 end.
    const ItemList items = {image(),          makeFadeOutItem(), image(),
                            makePauseItem(5), makeFadeInItem(),  makeEndItem()};
    const Timeline timeline = buildTimeline(items, {});
    const struct
    {
        Tick tick;
        ScreenState screen;
    } rows[] = {
            {-5, screen(0, 29)}, // before the start: as at the start
            {0, screen(0, 29)},  // the fade out's first step shows at once, the full one never
            {1, screen(0, 28)},  {14, screen(0, 15)},   {28, screen(0, 1)},
            {29, screen(0, 0)}, // the last step is black exactly
            {30, screen(2, 0)}, // the next image comes while black and stays black
            {34, screen(2, 0)},  {35, screen(2, 1)}, // the fade in after the 5-tick pause
            {49, screen(2, 15)}, {63, screen(2, 29)},   {64, screen(2, 30)},
            {65, screen(2, 30)}, {1000, screen(2, 30)},
    };
    for (const auto &row : rows)
        EXPECT_EQ(timeline.screenAt(row.tick), row.screen) << "tick " << row.tick;
    EXPECT_EQ(timeline.durationTicks(), 65);
}

TEST(Timeline, StatesAroundFades)
{
    const struct
    {
        const char *name;
        ItemList items;
        Tick tick;
        ScreenState screen;
    } rows[] = {
            // Before any fade the palette shows in full.
            {"no fade", {image(), makePauseItem(3), image()}, 3, screen(2, 30)},
            // A fade in with the palette already in full still starts from black.
            {"fade in unfaded", {image(), makeFadeInItem()}, 0, screen(0, 1)},
            // Black stays across any number of images and pauses.
            {"black across images",
             {image(), makeFadeOutItem(), image(), makePauseItem(2), image(), makePauseItem(2)},
             33,
             screen(4, 0)},
            // A second fade out runs from the full palette again.
            {"fade out twice", {image(), makeFadeOutItem(), makeFadeOutItem()}, 30, screen(0, 29)},
            // Nothing before the first image: no image, full level.
            {"no image yet", {makePauseItem(4), image()}, 2, screen(-1, 30)},
            // An image at the same tick as the fade's first step shows in that step.
            {"image then fade", {image(), image(), makeFadeInItem()}, 0, screen(1, 1)},
    };
    for (const auto &row : rows)
        EXPECT_EQ(buildTimeline(row.items, {}).screenAt(row.tick), row.screen) << row.name;
}

TEST(Timeline, Durations)
{
    AnimItem negativePause = makePauseItem(0);
    negativePause.Data = {0xFF, 0xFF, 0xFF, 0xFF};
    negativePause.DataSize = 4;
    AnimItem longPause = makePauseItem(0);
    longPause.Data = {0xFF, 0xFF};
    longPause.DataSize = 2;

    const struct
    {
        const char *name;
        ItemList items;
        TimingSettings settings;
        Tick ticks;
        double seconds;
    } rows[] = {
            {"empty", {}, {}, 0, 0.0},
            {"image only", {image(), makeEndItem()}, {}, 0, 0.0},
            {"pause at 70 Hz", {image(), makePauseItem(70)}, {}, 70, 1.0},
            {"pause at 10 Hz", {image(), makePauseItem(70)}, {10.0, 1.0}, 70, 7.0},
            {"doubled", {image(), makePauseItem(35)}, {70.0, 2.0}, 70, 1.0},
            {"halved, rounded", {image(), makePauseItem(5)}, {70.0, 0.5}, 3, 3.0 / 70},
            {"zero multiplier", {image(), makePauseItem(9)}, {70.0, 0.0}, 0, 0.0},
            {"negative multiplier counts as 1", {makePauseItem(9)}, {70.0, -2.0}, 9, 9.0 / 70},
            {"bad rate counts as 70", {makePauseItem(7)}, {0.0, 1.0}, 7, 0.1},
            {"negative pause", {image(), negativePause}, {}, 0, 0.0},
            {"2-byte pause is unsigned", {image(), longPause}, {}, 65535, 65535.0 / 70},
            {"fades", {image(), makeFadeOutItem(), makeFadeInItem()}, {}, 60, 60.0 / 70},
            {"sounds and unknown codes take no time",
             {image(), makeSoundItem(3), unknownItem(), makePauseItem(1)},
             {},
             1,
             1.0 / 70},
            {"end ends",
             {image(), makePauseItem(2), makeEndItem(), makePauseItem(50)},
             {},
             2,
             2.0 / 70},
    };
    for (const auto &row : rows) {
        const Timeline timeline = buildTimeline(row.items, row.settings);
        EXPECT_EQ(timeline.durationTicks(), row.ticks) << row.name;
        EXPECT_DOUBLE_EQ(timeline.seconds(timeline.durationTicks()), row.seconds) << row.name;
    }
}

TEST(Timeline, LineStartsAndLinesAtTicks)
{
    // 0 image, 1 pause 10, 2 sound, 3 image, 4 fade out, 5 end, 6 pause (after the end).
    const ItemList items = {image(),           makePauseItem(10), makeSoundItem(4), image(),
                            makeFadeOutItem(), makeEndItem(),     makePauseItem(3)};
    const Timeline timeline = buildTimeline(items, {});
    const std::optional<Tick> starts[] = {0, 0, 10, 10, 10, 40, std::nullopt};
    for (int line = 0; line < 7; ++line)
        EXPECT_EQ(timeline.startTick(line), starts[line]) << "line " << line;
    EXPECT_EQ(timeline.startTick(-1), std::nullopt);
    EXPECT_EQ(timeline.lastLine(), 5);

    const struct
    {
        Tick tick;
        int line;
    } rows[] = {{-1, 0}, {0, 1}, {9, 1}, {10, 4}, {39, 4}, {40, 5}, {99, 5}};
    for (const auto &row : rows)
        EXPECT_EQ(timeline.lineAt(row.tick), row.line) << "tick " << row.tick;

    EXPECT_EQ(timeline.soundCues(), (std::vector<SoundCue>{{10, 4, 2}}));
}

TEST(Timeline, FromAndToLines)
{
    // 0 image, 1 fade out, 2 image, 3 sound 7, 4 pause 6, 5 fade in, 6 pause 4, 7 end.
    const ItemList items = {image(),          makeFadeOutItem(), image(),          makeSoundItem(7),
                            makePauseItem(6), makeFadeInItem(),  makePauseItem(4), makeEndItem()};
    const struct
    {
        int from;
        int to;
        Tick duration;
        ScreenState first;
        int firstLine;
        int lastLine;
        std::size_t cues;
    } rows[] = {
            {0, -1, 70, screen(0, 29), 0, 7, 1},
            {2, -1, 40, screen(2, 0), 2, 7, 1}, // starts black: the fade out came before
            {3, -1, 40, screen(2, 0), 3, 7, 1}, // shows the image before the first line
            {4, 4, 6, screen(2, 0), 4, 4, 0},   // one pause alone
            {6, -1, 4, screen(2, 30), 6, 7, 0}, // after the fade in: in full
            {0, 1, 30, screen(0, 29), 0, 1, 0},
            {2, 99, 40, screen(2, 0), 2, 7, 1}, // a last line past the end plays to the end
            {8, -1, 0, screen(2, 30), 8, 7, 0}, // past the end: nothing is played
            {-3, 0, 0, screen(0, 30), 0, 0, 0},
    };
    for (const auto &row : rows) {
        const Timeline timeline = buildTimeline(items, {}, row.from, row.to);
        const std::string name = std::to_string(row.from) + ".." + std::to_string(row.to);
        EXPECT_EQ(timeline.durationTicks(), row.duration) << name;
        EXPECT_EQ(timeline.steps().front(), (ScreenStep{0, row.first})) << name;
        EXPECT_EQ(timeline.firstLine(), row.firstLine) << name;
        EXPECT_EQ(timeline.lastLine(), row.lastLine) << name;
        EXPECT_EQ(timeline.soundCues().size(), row.cues) << name;
    }
    EXPECT_EQ(buildTimeline(items, {}, 2).soundCues(), (std::vector<SoundCue>{{0, 7, 3}}));
    EXPECT_EQ(buildTimeline(items, {}, 2).lineAt(100), 7);
    EXPECT_EQ(buildTimeline(items, {}, 8).lineAt(0), -1);
}

TEST(Timeline, StepsListEveryChangeOnce)
{
    const ItemList items = {image(), makePauseItem(3), image(),         image(), makeFadeOutItem(),
                            image(), makePauseItem(2), makeFadeInItem()};
    const std::vector<ScreenStep> steps = buildTimeline(items, {}).steps();
    ASSERT_EQ(steps.size(), 1u + 30u + 1u + 30u);
    EXPECT_EQ(steps[0], (ScreenStep{0, screen(0, 30)}));
    EXPECT_EQ(steps[1], (ScreenStep{3, screen(3, 29)})); // image 2 is never seen
    EXPECT_EQ(steps[30], (ScreenStep{32, screen(3, 0)}));
    EXPECT_EQ(steps[31], (ScreenStep{33, screen(5, 0)}));
    EXPECT_EQ(steps[32], (ScreenStep{35, screen(5, 1)}));
    EXPECT_EQ(steps.back(), (ScreenStep{64, screen(5, 30)}));
    for (std::size_t i = 1; i < steps.size(); ++i) {
        EXPECT_LT(steps[i - 1].tick, steps[i].tick) << i;
        EXPECT_NE(steps[i - 1].screen, steps[i].screen) << i;
    }
}

TEST(Timeline, TicksFromSeconds)
{
    const Timeline timeline = buildTimeline({image(), makePauseItem(100)}, {18.2065, 1.0});
    EXPECT_EQ(timeline.tickAt(-1.0), 0);
    EXPECT_EQ(timeline.tickAt(0.0), 0);
    EXPECT_EQ(timeline.tickAt(1.0), 18);
    EXPECT_EQ(timeline.tickAt(timeline.seconds(55)), 55);
}

TEST(FadedPalette, LinearInSixBitsWithTruncation)
{
    PaletteColors colors{};
    colors[0] = colorFromRgb(252, 128, 4);
    colors[1] = colorFromRgb(255, 3, 60); // not 6-bit: the low bits are dropped first
    const struct
    {
        int level;
        std::uint32_t first;
        std::uint32_t second;
    } rows[] = {
            {0, 0, 0},
            // 63 * 1 / 30 = 2, 32 / 30 = 1, 1 / 30 = 0
            {1, colorFromRgb(8, 4, 0), colorFromRgb(8, 0, 0)},
            // 63 * 15 / 30 = 31, 32 * 15 / 30 = 16, 1 * 15 / 30 = 0, 15 * 15 / 30 = 7
            {15, colorFromRgb(124, 64, 0), colorFromRgb(124, 0, 28)},
            {29, colorFromRgb(240, 120, 0), colorFromRgb(240, 0, 56)},
            {30, colorFromRgb(252, 128, 4), colorFromRgb(252, 0, 60)},
            {31, colorFromRgb(252, 128, 4), colorFromRgb(252, 0, 60)},
            {-4, 0, 0},
    };
    for (const auto &row : rows) {
        const PaletteColors faded = fadedPalette(colors, row.level);
        EXPECT_EQ(faded[0], row.first) << "level " << row.level;
        EXPECT_EQ(faded[1], row.second) << "level " << row.level;
        EXPECT_EQ(faded[2], 0u);
    }
}
