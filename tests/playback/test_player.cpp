// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/player.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tessa;

namespace {

// 0 image, 1 pause 70 (1 s at 70 Hz), 2 sound 5, 3 fade out (30), 4 image, 5 fade in (30), 6 end:
// 130 ticks.
ItemList sampleItems()
{
    return {makeImageItem({}), makePauseItem(70), makeSoundItem(5), makeFadeOutItem(),
            makeImageItem({}), makeFadeInItem(),  makeEndItem()};
}

class PlayerTest : public ::testing::Test
{
protected:
    PlayerTest()
    {
        auto clock = std::make_unique<ManualPlayClock>();
        m_clock = clock.get();
        m_player = std::make_unique<Player>(std::move(clock));
        m_player->setTimeline(buildTimeline(sampleItems(), {}));
    }
    // Moves the clock by whole ticks at 70 Hz (plus a hair, as a real timer is never early).
    void wait(double ticks)
    {
        m_clock->advanceMs(ticks * 1000.0 / 70.0 + 0.01);
        m_player->advance();
    }

    ManualPlayClock *m_clock = nullptr;
    std::unique_ptr<Player> m_player;
};

} // namespace

TEST_F(PlayerTest, FollowsTheClock)
{
    m_player->play();
    const struct
    {
        double wait;
        Tick position;
        ScreenState screen;
        int line;
    } rows[] = {
            {0, 0, {0, 30}, 1},      {69, 69, {0, 30}, 1}, {1, 70, {0, 29}, 3},
            {15, 85, {0, 14}, 3},    {15, 100, {4, 1}, 5}, {14, 114, {4, 15}, 5},
            {15.5, 129, {4, 30}, 5}, {5, 130, {4, 30}, 6},
    };
    for (const auto &row : rows) {
        wait(row.wait);
        EXPECT_EQ(m_player->position(), row.position) << row.position;
        EXPECT_EQ(m_player->screen(), row.screen) << row.position;
        EXPECT_EQ(m_player->currentLine(), row.line) << row.position;
    }
    EXPECT_FALSE(m_player->isPlaying());
}

TEST_F(PlayerTest, ALateTimerDropsStepsButKeepsTime)
{
    QSignalSpy screens(m_player.get(), &Player::screenChanged);
    QSignalSpy cues(m_player.get(), &Player::soundCue);
    m_player->play();
    wait(85); // half a second late for everything after tick 70
    EXPECT_EQ(m_player->position(), 85);
    // Only the screen where the clock is now: the 15 in between are dropped.
    ASSERT_EQ(screens.size(), 1);
    EXPECT_EQ(screens.at(0).at(0).value<ScreenState>(), (ScreenState{0, 14}));
    // The cue is late but not lost.
    ASSERT_EQ(cues.size(), 1);
    EXPECT_EQ(cues.at(0).at(0).value<SoundCue>().number, 5);
    wait(10);
    EXPECT_EQ(m_player->position(), 95);
}

TEST_F(PlayerTest, PauseSpeedAndSeek)
{
    QSignalSpy cues(m_player.get(), &Player::soundCue);
    m_player->play();
    wait(10);
    m_player->pause();
    m_clock->advanceMs(5000);
    m_player->advance();
    EXPECT_EQ(m_player->position(), 10);

    m_player->setSpeed(2.0);
    m_player->play();
    wait(10); // 10 ticks of wall time are 20 at double speed
    EXPECT_EQ(m_player->position(), 30);
    m_player->setSpeed(0.25);
    wait(8);
    EXPECT_EQ(m_player->position(), 32);
    m_player->setSpeed(9.0);
    EXPECT_EQ(m_player->speed(), 4.0);

    // Seeking past a cue does not play it; playing through it does.
    m_player->pause();
    m_player->seek(80);
    EXPECT_EQ(m_player->screen(), (ScreenState{0, 19}));
    EXPECT_EQ(cues.size(), 0);
    m_player->seek(70);
    m_player->play();
    EXPECT_EQ(cues.size(), 1);
    m_player->seek(-4);
    EXPECT_EQ(m_player->position(), 0);
    m_player->seek(1000);
    EXPECT_EQ(m_player->position(), 130);
}

TEST_F(PlayerTest, StepsThroughItems)
{
    const struct
    {
        bool next;
        Tick position;
    } rows[] = {{true, 70},   {true, 100}, {true, 130}, {true, 130},
                {false, 100}, {false, 70}, {false, 0},  {false, 0}};
    for (const auto &row : rows) {
        row.next ? m_player->stepNext() : m_player->stepPrevious();
        EXPECT_EQ(m_player->position(), row.position);
    }
}

TEST_F(PlayerTest, PlayFromLinesStopAndLoop)
{
    m_player->playFrom(4);
    EXPECT_EQ(m_player->position(), 100);
    EXPECT_EQ(m_player->screen(), (ScreenState{4, 1}));
    m_player->stop();
    EXPECT_FALSE(m_player->isPlaying());
    EXPECT_EQ(m_player->position(), 0);

    QSignalSpy cues(m_player.get(), &Player::soundCue);
    QSignalSpy finished(m_player.get(), &Player::finished);
    m_player->setLoop(true);
    m_player->playFrom(5);
    wait(30 + 75); // past the end and 75 ticks into the next round
    EXPECT_TRUE(m_player->isPlaying());
    EXPECT_EQ(m_player->position(), 75);
    EXPECT_EQ(cues.size(), 1);
    EXPECT_EQ(finished.size(), 0);
    wait(130 * 2); // two more rounds in one late wake-up
    EXPECT_EQ(m_player->position(), 75);

    m_player->setLoop(false);
    wait(60);
    EXPECT_FALSE(m_player->isPlaying());
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(m_player->position(), 130);
}

TEST_F(PlayerTest, NewTimelineKeepsThePosition)
{
    m_player->seek(90);
    m_player->setTimeline(buildTimeline(sampleItems(), {70.0, 2.0})); // pause now 140 ticks
    EXPECT_EQ(m_player->position(), 90);
    EXPECT_EQ(m_player->screen(), (ScreenState{0, 30}));
    m_player->setTimeline(buildTimeline({makeImageItem({}), makePauseItem(10)}, {}));
    EXPECT_EQ(m_player->position(), 10);
}

// What listeners do when playing starts (the sound output opening its device) takes no time from
// the animation: the clock starts after them.
TEST_F(PlayerTest, StartsTheClockAfterTheListenersOfTheStart)
{
    QObject::connect(m_player.get(), &Player::playingChanged, [this](bool playing) {
        if (playing)
            m_clock->advanceMs(500);
    });
    m_player->play();
    EXPECT_EQ(m_player->position(), 0);
    wait(69);
    EXPECT_EQ(m_player->position(), 69);
}
