// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Project > Import Movie and movies dropped on the window, on folders of numbered pictures,
// which every build reads.
#include "editorfixture.h"
#include "encode/encodemoviefile.h"
#include "platform/importmoviedialog.h"
#include "settings/clsini.h"
#include "settings/numberranges.h"
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
#include <QSlider>
#include <QSpinBox>

#include <map>

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

    // A second import onto the same number asks first; No goes back to the dialog as it was,
    // whose Cancel then writes nothing and changes nothing.
    const auto before = std::filesystem::last_write_time(voc.toStdString());
    window->mnuEditUndo->trigger();
    MovieImportChoice part = withSound;
    part.from = 0.5;
    part.fit = MovieFit::Pad;
    dialogs.answerMovie(part);
    dialogs.answerMessage(Dialogs::Answer::No);
    dialogs.answerMovie(std::nullopt);
    window->dropFiles({clip});
    EXPECT_TRUE(dialogs.messages().back().contains("SND07.VOC"));
    ASSERT_EQ(dialogs.movieRequests.size(), 3u);
    EXPECT_EQ(dialogs.movieRequests[2].initial.from, 0.5) << "the dialog keeps its choices";
    EXPECT_EQ(dialogs.movieRequests[2].initial.fit, MovieFit::Pad);
    EXPECT_EQ(dialogs.movieRequests[2].initial.sound, 7);
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(std::filesystem::last_write_time(voc.toStdString()), before);
    EXPECT_FALSE(QFileInfo::exists(voc + ".bak"));
#endif
}

TEST_F(ImportMovieTest, APictureChosenFromTheMenuBringsItsNumberedFellows)
{
    start();
    newDocument();
    const QString pictures = writePictures("shots", 12);
    dialogs.answerOpen(pictures + QDir::separator() + "f_0001.png");
    dialogs.answerMovie(tenASecond());
    window->mnuProjectImportMovie->trigger();
    const auto opens = dialogs.callsOf(Kind::Open);
    ASSERT_FALSE(opens.empty());
    EXPECT_TRUE(opens.back().filter.contains("Numbered Pictures"))
            << opens.back().filter.toStdString();
    ASSERT_EQ(dialogs.movieRequests.size(), 1u);
    EXPECT_TRUE(dialogs.movieRequests[0].numberedPictures);
    EXPECT_EQ(dialogs.movieRequests[0].pictureCount, 12);
    EXPECT_TRUE(dialogs.movieRequests[0].path.endsWith("f_%04d.png"));
    EXPECT_GT(lines().count("Image"), 2) << "the movie, not one still";
}

TEST_F(ImportMovieTest, TheDialogKeepsItsChoicesAfterAStopAndARefusal)
{
    start();
    newDocument();
    const QString pictures = writePictures("shots", 12);
    MovieImportChoice chosen = tenASecond();
    chosen.from = 0.3;
    chosen.to = 1.0;
    chosen.fit = MovieFit::Stretch;
    chosen.maxBytes = 1000; // smaller than any picture of it
    dialogs.answerMovie(chosen);
    window->dropFiles({pictures});
    EXPECT_TRUE(dialogs.messages().back().contains("does not fit"))
            << dialogs.messages().back().toStdString();

    window->progressDelayMilliseconds = 0;
    dialogs.cancelProgressAfter = 1;
    chosen.maxBytes = 0;
    dialogs.answerMovie(chosen);
    window->dropFiles({pictures});
    dialogs.answerMovie(std::nullopt);
    window->dropFiles({pictures});
    ASSERT_EQ(dialogs.movieRequests.size(), 3u);
    for (const std::size_t shown : {1u, 2u}) {
        const MovieImportChoice &initial = dialogs.movieRequests[shown].initial;
        EXPECT_EQ(initial.from, 0.3) << shown;
        EXPECT_EQ(initial.to, 1.0) << shown;
        EXPECT_EQ(initial.fit, MovieFit::Stretch) << shown;
        EXPECT_EQ(initial.fps, 10.0) << shown;
    }
    EXPECT_EQ(dialogs.movieRequests[1].initial.maxBytes, 1000u);
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
}

TEST_F(ImportMovieTest, TheSoundOfferedIsNoneTheAnimationCuesNorAFileOfTheGame)
{
    std::filesystem::create_directories(folder.path() / "sounds");
    test::writeText(folder.file("sounds/SND00.VOC"), "a sound of the game");
    {
        clsINI settings;
        settings.LoadINI(paths.settingsFile.toStdString());
        PlaybackSettings playback(settings);
        playback.setSoundFolder(folder.file("sounds"));
        playback.setSoundPattern("SND%02d.VOC");
    }
    start();
    // As the demo's title cues sound 1.
    open(writeAnimation("CUES.QLM", {makeImageItem(frameOf(1)), makeSoundItem(1), makePauseItem(9),
                                     makeEndItem()}));
    select(3);
    dialogs.answerMovie(std::nullopt);
    window->dropFiles({writePictures("shots", 4)});
    ASSERT_EQ(dialogs.movieRequests.size(), 1u);
    EXPECT_EQ(dialogs.movieRequests[0].suggestedSound, 2);
    EXPECT_EQ(dialogs.movieRequests[0].cuedSounds, (std::map<int, int>{{1, 1}}));
}

TEST_F(ImportMovieTest, AfterAFadeOutItAsksAndOffersThePlaceBeforeIt)
{
    const QString pictures = writePictures("shots", 6);
    const struct
    {
        Dialogs::Answer answer;
        QStringList lines; // what stands around the movie's lines
    } rows[] = {
            {Dialogs::Answer::Yes, {"Image", "Pause: 9", "*", "Fade out", "End"}},
            {Dialogs::Answer::No, {"Image", "Pause: 9", "Fade out", "*", "End"}},
            {Dialogs::Answer::Cancel, {"Image", "Pause: 9", "Fade out", "End"}},
    };
    start();
    const QString demo = writeAnimation("FADES.QLM", {makeImageItem(frameOf(1)), makePauseItem(9),
                                                      makeFadeOutItem(), makeEndItem()});
    for (const auto &row : rows) {
        open(demo);
        select(3); // End, after the Fade Out
        dialogs.answerMessage(row.answer);
        if (row.answer != Dialogs::Answer::Cancel)
            dialogs.answerMovie(tenASecond());
        window->dropFiles({pictures});
        const auto asked = dialogs.callsOf(Kind::Message);
        ASSERT_FALSE(asked.empty());
        EXPECT_TRUE(asked.back().text.contains("black screen")) << asked.back().text.toStdString();
        EXPECT_EQ(asked.back().buttons, Dialogs::Buttons::YesNoCancel);
        QStringList shown = lines();
        // The movie's own lines, one mark where they stand.
        const int first = int(shown.indexOf("Image", 1));
        if (first > 0) {
            int last = first;
            while (last + 1 < shown.size()
                   && (shown[last + 1] == "Image" || shown[last + 1].startsWith("Pause")))
                ++last;
            shown.erase(shown.begin() + first, shown.begin() + last + 1);
            shown.insert(first, "*");
        }
        EXPECT_EQ(shown, row.lines);
        EXPECT_TRUE(dialogs.allAnswered());
    }
}

TEST_F(ImportMovieTest, TheNoteCountsEachKindAsTheListShowsIt)
{
    // A picture held, then darkening to black: images, pauses and the game's fade out.
    QDir().mkpath(path("fade"));
    for (int i = 0; i < 40; ++i) {
        const double light = i < 10 ? 1.0 : std::max(0.0, 1.0 - (i - 10) / 20.0);
        QImage picture(160, 120, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(int(x * light), int(y * 2 * light), int(90 * light)));
        ASSERT_TRUE(picture.save(path("fade/f_" + std::to_string(100 + i) + ".png")));
    }
    start();
    newDocument();
    dialogs.answerMovie(tenASecond());
    window->dropFiles({path("fade")});
    const QStringList shown = lines().mid(1, lines().size() - 2);
    const int images = int(shown.count("Image"));
    const int pauses = int(std::count_if(shown.begin(), shown.end(), [](const QString &line) {
        return line.startsWith("Pause");
    }));
    ASSERT_EQ(shown.count("Fade out"), 1);
    EXPECT_EQ(
            window->lblNote->text(),
            QString("Imported fade: %1 images, %2 pauses and 1 fade out.").arg(images).arg(pauses));
}

TEST_F(ImportMovieTest, ALimitHoldsForWhatTheMovieAddsWhereItGoes)
{
    start();
    // The movie goes before a picture much like the one before it, which then costs far more.
    Bytes second = frameOf(1);
    std::fill_n(second.begin(), 320, std::uint8_t(2));
    open(writeAnimation("TWO.QLM",
                        {makeImageItem(frameOf(1)), makeImageItem(second), makeEndItem()}));
    const auto before = tessa::writeAnimation(window->items());
    ASSERT_TRUE(before);
    select(1);
    const QString pictures = writePictures("shots", 10);
    dialogs.answerMovie(tenASecond());
    window->dropFiles({pictures});
    const auto unlimited = tessa::writeAnimation(window->items());
    ASSERT_TRUE(unlimited);
    const std::size_t grown = unlimited->size() - before->size();
    window->mnuEditUndo->trigger();
    // What the dialog was told to expect, within a tenth.
    const MovieEstimate estimate = dialogs.movieRequests[0].estimate(tenASecond());
    EXPECT_NEAR(double(estimate.bytes), double(grown), 0.1 * double(grown));

    // A limit between what the lowest quality and the chosen one add: the movie alone fits it
    // at the chosen quality, and only a lower one keeps it once the picture after it is counted.
    MovieImportChoice lowest = tenASecond();
    lowest.quality = 0;
    dialogs.answerMovie(lowest);
    window->dropFiles({pictures});
    const auto atLowest = tessa::writeAnimation(window->items());
    ASSERT_TRUE(atLowest);
    const std::size_t grownAtLowest = atLowest->size() - before->size();
    window->mnuEditUndo->trigger();
    ASSERT_LT(grownAtLowest, grown);
    MovieImportChoice limited = tenASecond();
    limited.maxBytes = (grownAtLowest + grown) / 2;
    dialogs.answerMovie(limited);
    window->dropFiles({pictures});
    const auto after = tessa::writeAnimation(window->items());
    ASSERT_TRUE(after);
    EXPECT_GT(after->size(), before->size())
            << grown << " then at most " << limited.maxBytes << ": "
            << (dialogs.messages().empty() ? window->lblNote->text() : dialogs.messages().back())
                       .toStdString();
    EXPECT_LE(after->size() - before->size(), limited.maxBytes);
}

TEST_F(ImportMovieTest, WithNoAnimationAMovieBeginsANewOneBesideNew)
{
    start();
    const QString pictures = writePictures("shots", 8);
    QAction *newFromMovie = window->commands().action("NewFromMovie");
    ASSERT_NE(newFromMovie, nullptr);
    EXPECT_EQ(newFromMovie->text(), "New Animation from &Movie...");
    EXPECT_TRUE(newFromMovie->isEnabled());
    EXPECT_EQ(window->mnuFileNew->text(), "&New Animation") << "New is as it was";

    dialogs.answerMovie(tenASecond());
    window->dropFiles({pictures});
    EXPECT_EQ(window->windowTitle(), QString(kProgramTitle) + ": NEW");
    EXPECT_EQ(lines().front(), "Image");
    EXPECT_EQ(lines().back(), "End");
    EXPECT_GT(lines().count("Image"), 2);
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(documentMenusEnabled());
    EXPECT_TRUE(window->lblNote->text().startsWith("Began a new animation with shots: "))
            << window->lblNote->text().toStdString();

    // From the menu, with one of the pictures, after the question about unsaved changes.
    dialogs.answerOpen(pictures + QDir::separator() + "f_0003.png");
    dialogs.answerMessage(Dialogs::Answer::Cancel);
    newFromMovie->trigger();
    EXPECT_EQ(dialogs.callsOf(Kind::Message).back().title, "Save Confirmation");
    EXPECT_TRUE(dialogs.allAnswered());
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

TEST(ImportMovieDialog, NumberedPicturesLastTheirCountAtTheRateChosen)
{
    MovieImportRequest request;
    request.path = QStringLiteral("shots");
    request.numberedPictures = true;
    request.pictureCount = 30;
    request.initial.fps = 10;
    ImportMovieDialog dialog(request);
    const auto &c = dialog.controls();
    EXPECT_EQ(c.moment->maximum(), 29) << "3 s, in tenths, to the last one's start";
    c.fps->setValue(5);
    EXPECT_EQ(c.moment->maximum(), 59);
    const auto labels = dialog.findChildren<QLabel *>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel *label) {
        return label->text().endsWith("30 numbered pictures");
    }));
}

TEST(ImportMovieDialog, ItStartsFromTheChoicesGivenAndWarnsOfASoundCuedAlready)
{
    MovieImportRequest request;
    request.path = QStringLiteral("clip.mp4");
    request.durationSeconds = 8;
    request.hasSound = true;
    request.soundFileFor = [](int number) { return QStringLiteral("/s/S%1.VOC").arg(number); };
    request.cuedSounds = {{1, 2}};
    request.suggestedSound = 2;
    request.initial.from = 1.5;
    request.initial.to = 4;
    request.initial.fit = MovieFit::Pad;
    request.initial.maxBytes = 300'000;
    ImportMovieDialog dialog(request);
    const auto &c = dialog.controls();
    MovieImportChoice chosen = dialog.choice();
    EXPECT_EQ(chosen.from, 1.5);
    EXPECT_EQ(chosen.to, 4.0);
    EXPECT_EQ(chosen.fit, MovieFit::Pad);
    EXPECT_EQ(chosen.maxBytes, 300'000u);
    EXPECT_EQ(c.soundNumber->value(), 2);
    c.writeSound->setChecked(true);
    EXPECT_FALSE(c.soundFile->text().contains("cues")) << c.soundFile->text().toStdString();
    c.soundNumber->setValue(1);
    EXPECT_TRUE(c.soundFile->text().contains("line 3 cues sound 1"))
            << c.soundFile->text().toStdString();
}

TEST(ImportMovieDialog, ItsNumbersTakeTheRangesEveryOtherWayTakes)
{
    ImportMovieDialog dialog(MovieImportRequest{});
    const auto &c = dialog.controls();
    const struct
    {
        const char *what;
        double low, high;
        NumberRange range;
    } rows[] = {
            {"from", c.from->minimum(), c.from->maximum(), kMovieSecondsRange},
            {"to", c.to->minimum(), c.to->maximum(), kMovieSecondsRange},
            {"fps", c.fps->minimum(), c.fps->maximum(), kPicturesPerSecondRange},
            {"quality", double(c.quality->minimum()), double(c.quality->maximum()), kQualityRange},
            {"limit", c.kilobytes->minimum() * 1000.0, c.kilobytes->maximum() * 1000.0,
             kMaxBytesRange},
            {"sound", double(c.soundNumber->minimum()), double(c.soundNumber->maximum()),
             kSoundNumberRange},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.low, row.range.low) << row.what;
        EXPECT_EQ(row.high, row.range.high) << row.what;
    }
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
