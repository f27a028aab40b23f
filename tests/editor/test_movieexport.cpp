// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/movieexport.h"
#include "movie/movieanimation.h"
#include "scripteddialogs.h"
#include "settings/clsini.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <filesystem>

using namespace tessa;
using namespace tessa::test;

namespace {

class MovieExportTest : public ::testing::Test
{
protected:
    MovieExportTest()
        : m_playback(m_store)
    {
        m_colors = paletteColorsFromData(builtInPalette(0));
    }

    bool run(const std::string &name)
    {
        return exportMovie(nullptr, m_dialogs, fadingAnimation(), m_colors, m_playback,
                           QString::fromStdString(m_folder.file(name)));
    }

    TempFolder m_folder;
    clsINI m_store;
    PlaybackSettings m_playback;
    PaletteColors m_colors{};
    ScriptedDialogs m_dialogs;
};

TEST_F(MovieExportTest, writesTheMovieWhileTheProgressRisesToTheEnd)
{
    EXPECT_TRUE(run("fade.gif"));
    EXPECT_EQ(m_folder.entries(), std::vector<std::string>{"fade.gif"});
    EXPECT_EQ(m_dialogs.progressTitles, QStringList{"Export Movie"});
    ASSERT_FALSE(m_dialogs.progressValues.empty());
    EXPECT_TRUE(std::is_sorted(m_dialogs.progressValues.begin(), m_dialogs.progressValues.end()));
    EXPECT_EQ(m_dialogs.progressValues.back(), 1000);
    EXPECT_TRUE(m_dialogs.calls.empty());
}

// The GIF's size shows before it is written, in the progress box: exact for a short movie.
TEST_F(MovieExportTest, theProgressBoxTellsTheSizeOfAGifOnly)
{
    ASSERT_TRUE(run("fade.gif"));
    ASSERT_TRUE(run("fade.png"));
    const QString size = QLocale().formattedDataSize(
            qint64(std::filesystem::file_size(m_folder.file("fade.gif"))), 1,
            QLocale::DataSizeTraditionalFormat);
    EXPECT_EQ(m_dialogs.progressTexts,
              (QStringList{"Writing the movie...\nThe GIF will be " + size + ".",
                           "Writing the movie..."}));
}

TEST_F(MovieExportTest, aCancelLeavesNoFileAndSaysNothing)
{
    m_dialogs.cancelProgressAfter = 3;
    EXPECT_FALSE(run("fade.gif"));
    EXPECT_TRUE(m_folder.entries().empty());
    EXPECT_EQ(m_dialogs.progressValues.size(), 3u);
    EXPECT_TRUE(m_dialogs.calls.empty());
}

TEST_F(MovieExportTest, aRefusalIsShownAsAnErrorBox)
{
    EXPECT_FALSE(run("fade.mov"));
    const auto boxes = m_dialogs.callsOf(DialogCall::Kind::Message);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Error");
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(boxes[0].text.startsWith("Cannot tell the kind of movie"));
    EXPECT_FALSE(boxes[0].progressOpen) << "the progress box would hide the error";
    EXPECT_TRUE(m_folder.entries().empty());
}

TEST_F(MovieExportTest, soundsThatCannotBeReadAreOneWarning)
{
    if (!TESSA_VIDEO_MOVIES)
        GTEST_SKIP() << "this build writes no movies with sound";
    m_playback.setSoundFolder(m_folder.path().string());
    m_playback.setSoundPattern("S%d.WAV");
    EXPECT_TRUE(run("fade.webm"));
    const auto boxes = m_dialogs.callsOf(DialogCall::Kind::Message);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(boxes[0].text.startsWith("Sound 1 is left out: ")) << boxes[0].text.toStdString();
    EXPECT_EQ(m_folder.entries(), std::vector<std::string>{"fade.webm"});
}

TEST_F(MovieExportTest, aGifWithoutItsSoundsIsAskedForBeforeItIsWritten)
{
    m_playback.setSoundFolder(m_folder.path().string());
    m_playback.setSoundPattern("S%d.WAV");
    m_dialogs.answerMessage(Dialogs::Answer::No);
    EXPECT_FALSE(run("fade.gif"));
    EXPECT_TRUE(m_folder.entries().empty()) << "declined: nothing written";
    EXPECT_TRUE(m_dialogs.progressTitles.isEmpty());

    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    ASSERT_TRUE(run("fade.gif"));
    const auto boxes = m_dialogs.callsOf(DialogCall::Kind::Message);
    ASSERT_EQ(boxes.size(), 2u) << "asked each time, and no warning after the writing";
    const QString size = QLocale().formattedDataSize(
            qint64(std::filesystem::file_size(m_folder.file("fade.gif"))), 1,
            QLocale::DataSizeTraditionalFormat);
    EXPECT_EQ(boxes[1].text, "This kind of movie has no sound track: the sounds are left out.\r\n"
                             "The GIF will be "
                                     + size + ".\r\n\r\nWrite the movie without its sounds?");
    EXPECT_EQ(boxes[1].buttons, Dialogs::Buttons::YesNo);
    EXPECT_FALSE(boxes[1].progressOpen);
}

} // namespace
