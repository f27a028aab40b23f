// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timing/timeedits.h"

#include <gtest/gtest.h>

#include <string>

using namespace tessa;

namespace {

// A list written as the list shows it: "I" an image, "P10" a pause, "S3" a sound cue, "FI" and
// "FO" fades, "E" the End.
ItemList listOf(const std::vector<std::string> &lines)
{
    ItemList items;
    for (const std::string &line : lines) {
        if (line == "I")
            items.push_back(makeImageItem(PixelBuffer(kFrameSize, std::uint8_t(items.size()))));
        else if (line == "FI")
            items.push_back(makeFadeInItem());
        else if (line == "FO")
            items.push_back(makeFadeOutItem());
        else if (line == "E")
            items.push_back(makeEndItem());
        else if (line[0] == 'P')
            items.push_back(makePauseItem(std::int16_t(std::stoi(line.substr(1)))));
        else
            items.push_back(makeSoundItem(std::int16_t(std::stoi(line.substr(1)))));
    }
    return items;
}

std::vector<std::string> linesOf(const ItemList &items)
{
    std::vector<std::string> lines;
    for (const AnimItem &item : items) {
        if (item.isImage())
            lines.push_back("I");
        else if (item.Code == kCodeFadeIn)
            lines.push_back("FI");
        else if (item.Code == kCodeFadeOut)
            lines.push_back("FO");
        else if (item.Code == kCodeEnd)
            lines.push_back("E");
        else
            lines.push_back((item.Code == kCodePause ? "P" : "S")
                            + std::to_string(payloadValue(item)));
    }
    return lines;
}

// Only what the list stores: known items, pauses it takes.
void expectOnlyListItems(const ItemList &items)
{
    for (const AnimItem &item : items) {
        EXPECT_FALSE(ItemLabel(item.Code).empty()) << item.Code;
        if (item.Code == kCodePause) {
            EXPECT_GE(payloadValue(item), kShortestPause);
            EXPECT_LE(payloadValue(item), kLongestPause);
        }
    }
}

using Lines = std::vector<std::string>;

struct Row
{
    const char *what;
    Lines before;
    int line;
    Tick tick;
    Lines after;
    int movedTo; // the line of the item moved afterwards
    Tick landsAt;
};

void check(const Row &row, TimeEdit (*edit)(const ItemList &, const TimingSettings &, int, Tick),
           TimingSettings timing = {})
{
    SCOPED_TRACE(row.what);
    const ItemList items = listOf(row.before);
    const TimeEdit made = edit(items, timing, row.line, row.tick);
    const ItemList after = applyEdits(items, made.edits);
    EXPECT_EQ(linesOf(after), row.after);
    EXPECT_EQ(made.line, row.movedTo);
    EXPECT_EQ(made.tick, row.landsAt);
    expectOnlyListItems(after);
}

} // namespace

TEST(TimeEdits, APausesEndIsDraggedInWholeUnits)
{
    const Row rows[] = {
            {"longer", {"I", "P10", "E"}, 1, 25, {"I", "P25", "E"}, 1, 25},
            {"shorter", {"I", "P10", "I", "P10", "E"}, 3, 2, {"I", "P10", "I", "P2", "E"}, 3, 12},
            {"never below one", {"I", "P10", "E"}, 1, -40, {"I", "P1", "E"}, 1, 1},
            {"never above 255", {"I", "P10", "E"}, 1, 900, {"I", "P255", "E"}, 1, 255},
            {"unchanged", {"I", "P10", "E"}, 1, 10, {"I", "P10", "E"}, 1, 10},
            {"not a pause", {"I", "FI", "E"}, 1, 10, {"I", "FI", "E"}, -1, 0},
    };
    for (const Row &row : rows)
        check(row, resizePause);
    // Two ticks a unit: 25 ticks are 13 units (12.5 rounded away), which last 26.
    check({"a multiplier", {"I", "P10", "E"}, 1, 25, {"I", "P13", "E"}, 1, 26}, resizePause,
          {70, 2});
}

TEST(TimeEdits, AnImageMovesByTheWaitBeforeIt)
{
    const Row rows[] = {
            {"later", {"I", "P10", "I", "E"}, 2, 30, {"I", "P30", "I", "E"}, 2, 30},
            {"to where its wait starts", {"I", "P10", "I", "E"}, 2, 0, {"I", "I", "E"}, 1, 0},
            {"no earlier than that",
             {"I", "P10", "I", "P5", "I", "E"},
             4,
             3,
             {"I", "P10", "I", "I", "E"},
             3,
             10},
            {"a wait put in", {"I", "I", "E"}, 1, 40, {"I", "P40", "I", "E"}, 2, 40},
            {"a long wait in pauses the list takes",
             {"I", "P200", "I", "E"},
             2,
             400,
             {"I", "P255", "P145", "I", "E"},
             3,
             400},
            {"a run of pauses made one",
             {"I", "P100", "P100", "I", "E"},
             3,
             50,
             {"I", "P50", "I", "E"},
             2,
             50},
            {"a cue before it keeps its moment",
             {"I", "P10", "S1", "I", "E"},
             3,
             25,
             {"I", "P10", "S1", "P15", "I", "E"},
             4,
             25},
            {"after a fade", {"I", "FI", "I", "E"}, 2, 45, {"I", "FI", "P15", "I", "E"}, 3, 45},
            {"not the first image", {"I", "P10", "E"}, 0, 30, {"I", "P10", "E"}, -1, 0},
    };
    for (const Row &row : rows)
        check(row, moveImage);
}

TEST(TimeEdits, ACueMovesAmongTheItemsAndSplitsThePauseItFallsIn)
{
    const Row rows[] = {
            {"into a pause",
             {"I", "P100", "S1", "E"},
             2,
             40,
             {"I", "P40", "S1", "P60", "E"},
             2,
             40},
            {"to a pause's start", {"I", "P100", "S1", "E"}, 2, 0, {"I", "S1", "P100", "E"}, 1, 0},
            {"where it is", {"I", "P100", "S1", "E"}, 2, 100, {"I", "P100", "S1", "E"}, 2, 100},
            {"earlier, into the pause before it",
             {"I", "P10", "I", "P50", "S2", "E"},
             4,
             5,
             {"I", "P5", "S2", "P5", "I", "P50", "E"},
             2,
             5},
            {"past the end: before the End",
             {"I", "S1", "P10", "E"},
             1,
             99,
             {"I", "P10", "S1", "E"},
             2,
             10},
            {"never before the first image",
             {"I", "P10", "S1", "E"},
             2,
             -5,
             {"I", "S1", "P10", "E"},
             1,
             0},
            {"a fade is not split: its nearer end",
             {"I", "FI", "S1", "E"},
             2,
             10,
             {"I", "S1", "FI", "E"},
             1,
             0},
            {"a fade's later half",
             {"I", "S1", "FI", "P10", "E"},
             1,
             20,
             {"I", "FI", "S1", "P10", "E"},
             2,
             30},
            {"not after the End",
             {"I", "P10", "S1", "E", "P10", "I"},
             2,
             15,
             {"I", "P10", "S1", "E", "P10", "I"},
             2,
             10},
    };
    for (const Row &row : rows)
        check(row, moveCue);
}

TEST(TimeEdits, ACueLandsOnEveryTickItIsDraggedTo)
{
    // Every moment of pauses, by a multiplier of 1 and of 3: the cue plays exactly there, or at
    // the nearest whole unit.
    for (const double multiplier : {1.0, 3.0}) {
        const TimingSettings timing{70, multiplier};
        const ItemList items = listOf({"I", "P40", "S7", "I", "P25", "E"});
        const Tick duration = buildTimeline(items, timing).durationTicks();
        for (Tick tick = 0; tick <= duration; ++tick) {
            const TimeEdit made = moveCue(items, timing, 2, tick);
            const ItemList after = applyEdits(items, made.edits);
            const Timeline timeline = buildTimeline(after, timing);
            ASSERT_EQ(after[std::size_t(made.line)].Code, kCodeSound) << tick;
            EXPECT_EQ(timeline.startTick(made.line), made.tick) << tick;
            EXPECT_LE(std::abs(made.tick - tick), Tick(multiplier / 2 + 0.5)) << tick;
            EXPECT_EQ(timeline.durationTicks(), duration) << "moving a cue moves nothing else";
            expectOnlyListItems(after);
        }
    }
}

TEST(TimeEdits, AnImageLandsOnTheTickItIsDraggedTo)
{
    const ItemList items = listOf({"I", "P40", "I", "S7", "I", "E"});
    for (Tick tick = 40; tick <= 700; tick += 7) {
        const TimeEdit made = moveImage(items, {}, 4, tick);
        const ItemList after = applyEdits(items, made.edits);
        ASSERT_TRUE(after[std::size_t(made.line)].isImage()) << tick;
        EXPECT_EQ(buildTimeline(after, {}).startTick(made.line), tick);
        EXPECT_EQ(made.tick, tick);
        expectOnlyListItems(after);
    }
}
