// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Project > Import Sound and sound files dropped on the window, on the clips the build makes
// (tests/cli/CMakeLists.txt: tone.wav is 2 s of a 440 Hz sine at a quarter of full scale).
#include "editorfixture.h"
#include "platform/importsounddialog.h"
#include "platform/waveformview.h"
#include "recordingsoundoutput.h"
#include "settings/clsini.h"
#include "settings/playbacksettings.h"
#include "sound/soundclip.h"
#include "sound/vocfile.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

namespace tessa::test {
namespace {

#ifdef TESSA_TEST_CLIPS
const QString kTone = QStringLiteral(TESSA_TEST_CLIPS "/tone.wav");
#define NEEDS_CLIPS()
#else
const QString kTone;
#define NEEDS_CLIPS() GTEST_SKIP() << "the build made no clips"
#endif

class ImportSoundTest : public EditorTest
{
protected:
    // The preview's sound folder and file names, as the preview writes them ("" leaves one out).
    void setSoundPlace(const std::string &pattern = "SND%02d.VOC", bool withFolder = true)
    {
        std::filesystem::create_directories(folder.path() / "sounds");
        clsINI settings;
        settings.LoadINI(paths.settingsFile.toStdString());
        PlaybackSettings playback(settings);
        if (withFolder)
            playback.setSoundFolder(folder.file("sounds"));
        playback.setSoundPattern(pattern);
    }
    std::vector<std::string> soundFiles() const
    {
        return TempFolder::entriesOf(folder.path() / "sounds");
    }
    static ImportSoundChoice numbered(int number, double from = 0, double to = -1)
    {
        return {from, to, number, false};
    }
};

TEST_F(ImportSoundTest, TheSoundIsWrittenAndCuedBeforeTheSelectedLineAsOneStep)
{
    NEEDS_CLIPS();
    setSoundPlace();
    start();
    newDocument();
    select(1);
    EXPECT_EQ(window->commands().action("ImportSound")->text(), "Import S&ound...");
    dialogs.answerSound(numbered(4));
    window->dropFiles({kTone});

    ASSERT_EQ(dialogs.soundRequests.size(), 1u);
    const ImportSoundRequest &request = dialogs.soundRequests[0];
    EXPECT_NEAR(request.waveform.seconds(), 2.0, 0.01);
    EXPECT_EQ(request.soundFileFor(4), path("sounds/SND04.VOC"));
    EXPECT_EQ(lines(), QStringList({"Image", "Play sound: 4", "End"}));
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Import Sound");
    const auto voc = readVocFile(readBytes(folder.file("sounds/SND04.VOC")), 60);
    ASSERT_TRUE(voc) << voc.error();
    EXPECT_NEAR(double(voc->samples.size()) / kGameSoundRate, 2.0, 1.0 / 70);
    EXPECT_GE(*std::max_element(voc->samples.begin(), voc->samples.end()), 250)
            << "brought to level";

    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(soundFiles(), std::vector<std::string>{"SND04.VOC"}) << "undo leaves the file";
}

TEST_F(ImportSoundTest, ThePartAndTheLevelAreTheDialogs)
{
    NEEDS_CLIPS();
    setSoundPlace();
    start();
    newDocument();
    auto heard = std::make_shared<RecordedSounds>();
    window->makeSoundOutput = [heard] { return std::make_unique<RecordingSoundOutput>(heard); };
    const ImportSoundChoice choice{0.5, 1.25, 2, true};
    dialogs.answerSound([&choice](const ImportSoundRequest &request) {
        EXPECT_TRUE(request.play(choice)) << "Play is heard";
        return choice;
    });
    window->dropFiles({kTone});
    ASSERT_EQ(heard->played.size(), 1u);
    EXPECT_NEAR(double(heard->played[0].size()) / kGameSoundRate, 0.75, 1.0 / 70)
            << "the part chosen, as the game plays it";
    EXPECT_GT(heard->stops, 0) << "silenced when the dialog closes";
    const auto voc = readVocFile(readBytes(folder.file("sounds/SND02.VOC")), 60);
    ASSERT_TRUE(voc) << voc.error();
    EXPECT_NEAR(double(voc->samples.size()) / kGameSoundRate, 0.75, 1.0 / 70);
    EXPECT_NEAR(*std::max_element(voc->samples.begin(), voc->samples.end()), 128 + 32, 3)
            << "its level kept";
}

TEST_F(ImportSoundTest, TheNumberOfferedIsTheLowestNeitherCuedNorPresent)
{
    NEEDS_CLIPS();
    setSoundPlace();
    writeText(folder.file("sounds/SND00.VOC"), "a sound of the game");
    start();
    open(writeAnimation("CUES.QLM", {makeImageItem(PixelBuffer(kFrameSize)), makeSoundItem(1),
                                     makeSoundItem(3), makeEndItem()}));
    select(3);
    dialogs.answerSound([](const ImportSoundRequest &request) {
        EXPECT_EQ(request.number, 2);
        EXPECT_TRUE(request.isCued(3));
        EXPECT_FALSE(request.isCued(2));
        return std::optional(numbered(request.number));
    });
    window->dropFiles({kTone});
    EXPECT_EQ(lines(),
              QStringList({"Image", "Play sound: 1", "Play sound: 3", "Play sound: 2", "End"}));
}

TEST_F(ImportSoundTest, AnExistingFileIsReplacedOnlyWhenTheUserSaysAndKeptAsBak)
{
    NEEDS_CLIPS();
    setSoundPlace();
    writeText(folder.file("sounds/SND05.VOC"), "the old sound");
    start();
    newDocument();
    dialogs.answerSound(numbered(5));
    dialogs.answerMessage(Dialogs::Answer::No);
    window->dropFiles({kTone});
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(soundFiles(), std::vector<std::string>{"SND05.VOC"});
    EXPECT_TRUE(dialogs.calls.back().text.contains("SND05.VOC.bak"))
            << dialogs.calls.back().text.toStdString();

    dialogs.answerSound(numbered(5));
    dialogs.answerMessage(Dialogs::Answer::Yes);
    window->dropFiles({kTone});
    EXPECT_EQ(lines(), QStringList({"Image", "Play sound: 5", "End"}));
    const auto old = readBytes(folder.file("sounds/SND05.VOC.bak"));
    EXPECT_EQ(std::string(old.begin(), old.end()), "the old sound");
    EXPECT_TRUE(readVocFile(readBytes(folder.file("sounds/SND05.VOC")), 60));
}

TEST_F(ImportSoundTest, RefusalsSayWhyBeforeTheDialogAndWriteNothing)
{
    NEEDS_CLIPS();
    const struct
    {
        const char *what;
        std::string pattern;
        bool withFolder;
        bool notASound;
        const char *says;
    } rows[] = {
            {"no folder", "SND%02d.VOC", false, false, "sound folder and the names of its files"},
            {"no file names", "", true, false, "sound folder and the names of its files"},
            {"not a sound", "SND%02d.VOC", true, true, "is not a sound or movie file"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        setSoundPlace(row.pattern, row.withFolder);
        writeText(folder.file("notes.wav"), "not a sound");
        start();
        newDocument();
        const auto asked = dialogs.calls.size();
        window->dropFiles({row.notASound ? path("notes.wav") : kTone});
        EXPECT_TRUE(dialogs.soundRequests.empty());
        ASSERT_EQ(dialogs.calls.size(), asked + 1);
        EXPECT_TRUE(dialogs.calls.back().text.contains(row.says))
                << dialogs.calls.back().text.toStdString();
        EXPECT_EQ(lines(), QStringList({"Image", "End"}));
        EXPECT_TRUE(soundFiles().empty());
        window.reset();
        std::filesystem::remove(paths.settingsFile.toStdString());
    }
}

TEST_F(ImportSoundTest, TheMenuEntryAsksForTheFileAndCancellingChangesNothing)
{
    NEEDS_CLIPS();
    setSoundPlace();
    start();
    newDocument();
    dialogs.answerOpen(kTone);
    dialogs.answerSound(std::nullopt);
    window->commands().action("ImportSound")->trigger();
    EXPECT_EQ(dialogs.soundRequests.size(), 1u);
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_TRUE(soundFiles().empty());
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
}

TEST(ImportSoundDialog, TakesThePartDraggedOrTypedAndSaysWhereTheSoundGoes)
{
    ImportSoundRequest request;
    request.path = QStringLiteral("/music/theme.ogg");
    request.waveform = Waveform(std::vector<float>(11025 * 4, 0.5f), 11025);
    request.number = 3;
    request.soundFileFor = [](int number) {
        return QStringLiteral("/game/sounds/SND%1.VOC").arg(number, 2, 10, QLatin1Char('0'));
    };
    request.isCued = [](int number) { return number == 6; };
    ImportSoundDialog dialog(request);
    const auto &c = dialog.controls();
    EXPECT_EQ(dialog.choice().number, 3);
    EXPECT_EQ(dialog.choice().to, -1) << "to its end";
    EXPECT_FALSE(dialog.choice().keepLevel);

    c.waveform->resize(400, 60);
    QTest::mousePress(c.waveform, Qt::LeftButton, {}, QPoint(100, 30));
    QTest::mouseMove(c.waveform, QPoint(300, 30));
    QTest::mouseRelease(c.waveform, Qt::LeftButton, {}, QPoint(300, 30));
    EXPECT_NEAR(dialog.choice().from, 1.0, 0.02);
    EXPECT_NEAR(dialog.choice().to, 3.0, 0.02);

    c.to->setValue(0.5);
    EXPECT_FALSE(c.buttons->button(QDialogButtonBox::Ok)->isEnabled())
            << "the end before the start";
    c.to->setValue(c.to->maximum());
    EXPECT_TRUE(c.buttons->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_EQ(dialog.choice().to, -1);

    c.number->setValue(6);
    EXPECT_TRUE(c.soundFile->text().contains(QDir::toNativeSeparators("/game/sounds/SND06.VOC")));
    EXPECT_TRUE(c.soundFile->text().contains("plays sound 6 already"))
            << c.soundFile->text().toStdString();
    EXPECT_FALSE(c.play->isEnabled()) << "nothing to play it with";
}

} // namespace
} // namespace tessa::test
