// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/playbacksettings.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tessa;
using tessa::test::readText;
using tessa::test::writeText;

namespace {

class PlaybackSettingsTest : public ::testing::Test
{
protected:
    void load(const std::string &text)
    {
        writeText(m_path, text);
        ASSERT_FALSE(m_ini.LoadINI(m_path).has_value());
    }

    test::TempFolder m_folder;
    std::string m_path = m_folder.file("settings.ini");
    clsINI m_ini;
    PlaybackSettings m_settings{m_ini};
};

} // namespace

TEST_F(PlaybackSettingsTest, DefaultsWhenMissingAndNothingWritten)
{
    ASSERT_FALSE(m_ini.LoadINI(m_path).has_value());
    EXPECT_EQ(m_settings.tickRate(), 70.0);
    EXPECT_EQ(m_settings.pauseMultiplier(), 1.0);
    EXPECT_EQ(m_settings.speed(), 1.0);
    EXPECT_FALSE(m_settings.loop());
    EXPECT_EQ(m_settings.zoom(), 2);
    EXPECT_FALSE(m_settings.aspect43());
    EXPECT_EQ(m_settings.soundFolder(), "");
    EXPECT_EQ(m_settings.soundPattern(), "");
    EXPECT_FALSE(std::filesystem::exists(m_path));
}

TEST_F(PlaybackSettingsTest, UnreadableOrOutOfRangeValuesGiveDefaults)
{
    load("[Playback]\r\nTickRate=fast\r\nPauseMultiplier=-1\r\nSpeed=8\r\nLoop=yes\r\n"
         "Zoom=2.5\r\nAspect=\r\nSoundPattern=%s.VOC\r\n");
    EXPECT_EQ(m_settings.tickRate(), 70.0);
    EXPECT_EQ(m_settings.pauseMultiplier(), 1.0);
    EXPECT_EQ(m_settings.speed(), 1.0);
    EXPECT_FALSE(m_settings.loop());
    EXPECT_EQ(m_settings.zoom(), 2);
    EXPECT_FALSE(m_settings.aspect43());
    EXPECT_EQ(m_settings.soundPattern(), "");

    const struct
    {
        const char *text;
        double rate;
    } rates[] = {{"0", 70.0},   {"-5", 70.0},           {"1e9", 70.0},
                 {"0.5", 70.0}, {" 18.2065 ", 18.2065}, {"1", 1.0}};
    for (const auto &row : rates) {
        load(std::string("[Playback]\r\nTickRate=") + row.text + "\r\n");
        EXPECT_EQ(m_settings.tickRate(), row.rate) << row.text;
    }
}

TEST_F(PlaybackSettingsTest, EachSetterWritesItsKeyAtOnce)
{
    load("[Paths]\r\nAnimationPath=C:\\Anim\r\n");
    m_settings.setTickRate(18.2065);
    EXPECT_EQ(readText(m_path),
              "[Paths]\r\nAnimationPath=C:\\Anim\r\n\r\n[Playback]\r\nTickRate=18.2065\r\n");

    m_settings.setPauseMultiplier(2.5);
    m_settings.setSpeed(0.25);
    m_settings.setLoop(true);
    m_settings.setZoom(4);
    m_settings.setAspect43(true);
    m_settings.setSoundFolder("/games/tessarine/sound");
    m_settings.setSoundPattern("SOUND%02d.VOC");

    clsINI reread;
    ASSERT_FALSE(reread.LoadINI(m_path).has_value());
    const PlaybackSettings again(reread);
    EXPECT_EQ(again.tickRate(), 18.2065);
    EXPECT_EQ(again.pauseMultiplier(), 2.5);
    EXPECT_EQ(again.speed(), 0.25);
    EXPECT_TRUE(again.loop());
    EXPECT_EQ(again.zoom(), 4);
    EXPECT_TRUE(again.aspect43());
    EXPECT_EQ(again.soundFolder(), "/games/tessarine/sound");
    EXPECT_EQ(again.soundPattern(), "SOUND%02d.VOC");
    EXPECT_EQ(again.timing().tickRate, 18.2065);
    EXPECT_EQ(again.timing().pauseMultiplier, 2.5);
    EXPECT_EQ(reread.ReadString("Paths", "AnimationPath"), "C:\\Anim");
}

TEST_F(PlaybackSettingsTest, SettersKeepValuesInRange)
{
    load("");
    m_settings.setSpeed(10.0);
    EXPECT_EQ(m_settings.speed(), 4.0);
    m_settings.setSpeed(0.01);
    EXPECT_EQ(m_settings.speed(), 0.25);
    m_settings.setZoom(0);
    EXPECT_EQ(m_settings.zoom(), 1);
    m_settings.setZoom(9);
    EXPECT_EQ(m_settings.zoom(), 6);
    m_settings.setPauseMultiplier(-3.0);
    EXPECT_EQ(m_settings.pauseMultiplier(), kPauseMultiplierRange.low);
    m_settings.setTickRate(1e9);
    EXPECT_EQ(m_settings.tickRate(), kTickRateRange.high);

    // Refused values leave the stored ones alone.
    m_settings.setTickRate(60.0);
    m_settings.setTickRate(0.0);
    EXPECT_EQ(m_settings.tickRate(), 60.0);
    m_settings.setSoundPattern("S%d.VOC");
    m_settings.setSoundPattern("S%n.VOC");
    EXPECT_EQ(m_settings.soundPattern(), "S%d.VOC");
    m_settings.setSoundPattern("");
    EXPECT_EQ(m_settings.soundPattern(), "");
}
