// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Project > Import Movie and movies dropped on the window, on folders of numbered pictures,
// which every build reads.
#include "editorfixture.h"
#include "encode/encodemoviefile.h"
#include "platform/importmoviedialog.h"
#include "settings/clsini.h"
#include "settings/playbacksettings.h"
#include "sound/soundclip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace tessa::test {
namespace {

class ImportMovieTest : public EditorTest
{
protected:
    // `count` pictures of a bar moving over a gradient, f_0001.png on, in their own folder.
    QString writePictures(const std::string &name, int count)
    {
        QDir().mkpath(path(name));
        for (int i = 0; i < count; ++i) {
            QImage picture(160, 120, QImage::Format_RGB32);
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    picture.setPixel(x, y, qRgb(x, y * 2, std::abs(x - 16 * i) < 8 ? 255 : 40));
            EXPECT_TRUE(picture.save(
                    path(name + "/" + QString::asprintf("f_%04d.png", i + 1).toStdString())));
        }
        return path(name);
    }

    static MovieImportChoice tenASecond()
    {
        MovieImportChoice choice;
        choice.fps = 10;
        return choice;
    }
};

TEST_F(ImportMovieTest, PicturesGoBeforeTheSelectedLineAsOneStepThatUndoes)
{
    start();
    newDocument();
    EXPECT_TRUE(window->mnuProjectImportMovie->isEnabled());
    EXPECT_EQ(window->mnuProjectImportMovie->text(), "Import Mo&vie...");
    const QString pictures = writePictures("shots", 10);
    dialogs.answerMovie(tenASecond());
    window->dropFiles({pictures});

    ASSERT_EQ(dialogs.movieRequests.size(), 1u);
    const MovieImportRequest &request = dialogs.movieRequests[0];
    EXPECT_TRUE(request.numberedPictures);
    const QImage shown = request.pictureAt(0.5, tenASecond());
    EXPECT_EQ(shown.size(), QSize(kFrameWidth, kFrameHeight));
    const MovieEstimate estimate = request.estimate(tenASecond());
    EXPECT_TRUE(estimate.problem.isEmpty()) << estimate.problem.toStdString();
    EXPECT_GT(estimate.bytes, 0u);

    // What tessanim encode makes of the same pictures, without its End, before the End.
    const auto encoded =
            encodeMovieFile(pictures.toStdString(), {10.0},
                            paletteColorsFromData(builtInPalette(0)), {75, TimingSettings{}});
    ASSERT_TRUE(encoded);
    const ItemList &items = window->items();
    ASSERT_EQ(items.size(), encoded->size() + 1);
    for (std::size_t i = 0; i + 1 < encoded->size(); ++i) {
        EXPECT_EQ(items[i + 1].Code, (*encoded)[i].Code) << i;
        EXPECT_EQ(items[i + 1].Data, (*encoded)[i].Data) << i;
        EXPECT_TRUE(std::equal(items[i + 1].Pixels.begin(), items[i + 1].Pixels.end(),
                               (*encoded)[i].Pixels.begin(), (*encoded)[i].Pixels.end()))
                << i;
    }
    EXPECT_EQ(lines().back(), "End");
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Import Movie");

    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
}

TEST_F(ImportMovieTest, CancellingTheDialogOrStoppingTheWorkChangesNothing)
{
    start();
    newDocument();
    const QString pictures = writePictures("shots", 12);
    dialogs.answerMovie(std::nullopt);
    window->dropFiles({pictures});
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_TRUE(dialogs.progressTitles.isEmpty());

    window->progressDelayMilliseconds = 0;
    dialogs.cancelProgressAfter = 2;
    dialogs.answerMovie(tenASecond());
    window->dropFiles({pictures});
    EXPECT_EQ(dialogs.progressTitles, QStringList({"Import Movie"}));
    EXPECT_EQ(dialogs.openProgress, 0) << "the progress box was closed";
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_FALSE(window->mnuEditUndo->isEnabled()) << "no step was left behind";
    EXPECT_TRUE(window->lblNote->text().contains("stopped"))
            << window->lblNote->text().toStdString();
}

TEST_F(ImportMovieTest, WhatIsNotAMovieIsRefusedBeforeAnythingIsAsked)
{
    start();
    newDocument();
    test::writeText(folder.file("clip.mp4"), "not a movie");
    window->dropFiles({path("clip.mp4")});
    EXPECT_TRUE(dialogs.movieRequests.empty());
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().front().contains("clip.mp4"));
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
}

TEST_F(ImportMovieTest, TheMoviesSoundIsWrittenWhereThePreviewPlaysItAndCuedWithItsFirstPicture)
{
#ifndef TESSA_TEST_CLIPS
    GTEST_SKIP() << "the build made no movie clips";
#else
    const QString clip = QStringLiteral(TESSA_TEST_CLIPS "/h264.mp4"); // 2 s, a 440 Hz tone
    std::filesystem::create_directories(folder.path() / "sounds");
    // The preview's sound folder and file names, as the preview writes them.
    {
        clsINI settings;
        settings.LoadINI(paths.settingsFile.toStdString());
        PlaybackSettings playback(settings);
        playback.setSoundFolder(folder.file("sounds"));
        playback.setSoundPattern("SND%02d.VOC");
    }
    start();
    newDocument();
    MovieImportChoice withSound;
    withSound.sound = 7;
    dialogs.answerMovie(withSound);
    window->dropFiles({clip});
    ASSERT_EQ(dialogs.movieRequests.size(), 1u);
    EXPECT_TRUE(dialogs.movieRequests[0].hasSound);
    const QString voc = path("sounds/SND07.VOC");
    EXPECT_EQ(dialogs.movieRequests[0].soundFileFor(7), voc);
    ASSERT_TRUE(QFileInfo::exists(voc)) << window->lblNote->text().toStdString();
    const auto sound = loadSoundClip(voc.toStdString());
    ASSERT_TRUE(sound) << sound.error().text;
    EXPECT_NEAR(sound->seconds(), 2.0, 0.1);
    const QStringList shown = lines();
    ASSERT_GE(shown.size(), 4);
    EXPECT_EQ(shown[0], "Image");
    EXPECT_EQ(shown[1], "Image") << "the movie's first picture";
    EXPECT_EQ(shown[2], "Play sound: 7") << "cued as the first picture shows";

    // A second import onto the same number asks first; No writes nothing and changes nothing.
    const auto before = std::filesystem::last_write_time(voc.toStdString());
    window->mnuEditUndo->trigger();
    dialogs.answerMovie(withSound);
    dialogs.answerMessage(Dialogs::Answer::No);
    window->dropFiles({clip});
    EXPECT_TRUE(dialogs.messages().back().contains("SND07.VOC"));
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(std::filesystem::last_write_time(voc.toStdString()), before);
    EXPECT_FALSE(QFileInfo::exists(voc + ".bak"));
#endif
}

TEST(ImportMovieDialog, TheControlsMakeTheChoiceAndABadPartIsNotOffered)
{
    MovieImportRequest request;
    request.path = QStringLiteral("clip.mp4");
    request.durationSeconds = 4;
    int pictures = 0;
    request.pictureAt = [&](double, const MovieImportChoice &) {
        ++pictures;
        return QImage(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    };
    request.estimate = [](const MovieImportChoice &choice) {
        return MovieEstimate{std::uint64_t(100'000 * (choice.quality + 1)), 2.0, {}};
    };
    ImportMovieDialog dialog(request);
    const auto &c = dialog.controls();
    EXPECT_EQ(pictures, 1) << "the first picture is shown at once";
    MovieImportChoice chosen = dialog.choice();
    EXPECT_EQ(chosen.to, -1.0) << "the whole movie, to its last picture's end";
    EXPECT_EQ(chosen.maxBytes, 0u);
    EXPECT_FALSE(c.fps->isEnabled()) << "a movie keeps its own times";

    c.from->setValue(1);
    c.to->setValue(3);
    c.fit->setCurrentIndex(1);
    c.bySize->setChecked(true);
    c.kilobytes->setValue(500);
    dialog.refreshNow();
    chosen = dialog.choice();
    EXPECT_EQ(chosen.from, 1.0);
    EXPECT_EQ(chosen.to, 3.0);
    EXPECT_EQ(chosen.fit, MovieFit::Pad);
    EXPECT_EQ(chosen.maxBytes, 500'000u);
    EXPECT_TRUE(c.estimate->text().startsWith("At most 500")) << c.estimate->text().toStdString();
    EXPECT_TRUE(c.buttons->button(QDialogButtonBox::Ok)->isEnabled());

    c.to->setValue(0.5);
    dialog.refreshNow();
    EXPECT_FALSE(c.buttons->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_EQ(c.estimate->text(), "The end must come after the start.");
}

TEST(ImportMovieDialog, TheSoundIsOfferedWhereTheMovieHasOneAndThePreviewPlaysSounds)
{
    MovieImportRequest request;
    request.path = QStringLiteral("clip.mp4");
    request.durationSeconds = 2;
    request.hasSound = true;
    request.soundFileFor = [](int number) {
        return QStringLiteral("/game/sounds/SND%1.VOC").arg(number, 2, 10, QLatin1Char('0'));
    };
    ImportMovieDialog dialog(request);
    const auto &c = dialog.controls();
    EXPECT_TRUE(c.writeSound->isEnabled());
    EXPECT_EQ(dialog.choice().sound, -1) << "not written unless asked";
    c.writeSound->setChecked(true);
    c.soundNumber->setValue(12);
    EXPECT_EQ(dialog.choice().sound, 12);
    EXPECT_TRUE(c.soundFile->text().contains(QDir::toNativeSeparators("/game/sounds/SND12.VOC")))
            << c.soundFile->text().toStdString();

    request.soundFileFor = [](int) { return QString(); }; // no sound folder set
    ImportMovieDialog unset(request);
    EXPECT_FALSE(unset.controls().writeSound->isEnabled());
    EXPECT_TRUE(unset.controls().soundFile->text().contains("View > Play"));
    request.hasSound = false;
    ImportMovieDialog silent(request);
    EXPECT_FALSE(silent.controls().writeSound->isEnabled());
    EXPECT_EQ(silent.choice().sound, -1);
}

} // namespace
} // namespace tessa::test
