// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// View > Reference: a picture or a movie shown with the picture at the same moment, never saved.
#include "editor/referencepicture.h"
#include "editor/timelineview.h"
#include "editor/timelinewindow.h"
#include "editorfixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTest>

namespace tessa::test {
namespace {

QImage filled(QRgb color, QSize size = QSize(kFrameWidth, kFrameHeight))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class ReferenceTest : public EditorTest
{
protected:
    QRgb shown(int x, int y) const { return window->pic->pixmap().toImage().pixel(x, y); }
    QAction *action(const char *name) const { return window->commands().action(name); }
};

// A picture as reference mixes into what the window shows, at the opacity set, over every line;
// hidden, in the Changes view and in the saved file it is nowhere.
TEST_F(ReferenceTest, APictureShowsAtItsOpacityAndIsNeverSaved)
{
    start();
    const QString file = writeAnimation(
            "REF.ANIM", {makeImageItem(Bytes(kFrameSize, 0)), makePauseItem(5), makeEndItem()});
    open(file);
    const Bytes before = readBytes(file.toStdString());
    ASSERT_EQ(shown(50, 50), qRgb(0, 0, 0));
    EXPECT_FALSE(action("ShowReference")->isEnabled()) << "nothing to show yet";

    // A photograph twice as wide as tall: padded to the screen, as Import Movie pads it.
    ASSERT_TRUE(filled(qRgb(200, 100, 40), QSize(640, 320)).save(path("photo.png")));
    dialogs.answerOpen(path("photo.png"));
    action("Reference")->trigger();
    ASSERT_TRUE(action("ShowReference")->isChecked());
    EXPECT_NEAR(qRed(shown(160, 100)), 100, 2) << "half of it, by default";
    EXPECT_EQ(shown(160, 2), qRgb(0, 0, 0)) << "the bar above it";

    dialogs.answerInput(QStringLiteral("25"));
    action("ReferenceOpacity")->trigger();
    EXPECT_NEAR(qRed(shown(160, 100)), 50, 2);
    EXPECT_TRUE(settingsText().find("ReferenceOpacity=25") != std::string::npos);
    dialogs.answerInput(QStringLiteral("500"));
    action("ReferenceOpacity")->trigger();
    EXPECT_NEAR(qRed(shown(160, 100)), 50, 2) << "a value out of range changes nothing";

    select(1);
    EXPECT_NEAR(qRed(shown(160, 100)), 50, 2) << "the pause shows the image and the reference";
    action("Changes")->trigger();
    EXPECT_EQ(shown(160, 100), qRgb(0, 0, 0)) << "the Changes view shows what the file stores";
    action("Changes")->trigger();
    action("ShowReference")->trigger();
    EXPECT_EQ(shown(160, 100), qRgb(0, 0, 0));

    action("ShowReference")->trigger();
    window->mnuFileSave->trigger();
    EXPECT_EQ(readBytes(file.toStdString()), before);

    // What is no picture and no movie is refused, and the reference shown stays.
    writeText(folder.file("notes.mp4"), "no movie");
    dialogs.answerOpen(path("notes.mp4"));
    action("Reference")->trigger();
    EXPECT_TRUE(dialogs.messages().back().contains("notes.mp4"));
    EXPECT_NEAR(qRed(shown(160, 100)), 50, 2);
}

// A movie as reference shows its picture of the moment: where the image shown starts, and where
// the timeline's playhead is put within a line.
TEST_F(ReferenceTest, AMoviesPictureIsTheOneOfThePlayheadsTick)
{
    // Numbered pictures at 25 a second: a second of red, then a second of green.
    std::filesystem::create_directories(folder.path() / "clip");
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(filled(i < 25 ? qRgb(250, 0, 0) : qRgb(0, 250, 0))
                            .save(path("clip/f_" + std::to_string(1000 + i).substr(1) + ".png")));
    start();
    open(writeAnimation("REF.ANIM", {makeImageItem(Bytes(kFrameSize, 0)), makePauseItem(140),
                                     makeEndItem()})); // two seconds at 70 ticks a second
    dialogs.answerOpen(path("clip"));
    action("Reference")->trigger();
    EXPECT_GT(qRed(shown(160, 100)), 100) << "the image starts at 0 s: red";

    window->commands().action("Timeline")->trigger();
    auto *timeline = window->findChild<TimelineWindow *>();
    ASSERT_NE(timeline, nullptr);
    TimelineView &view = timeline->view();
    view.setPixelsPerTick(2.0);
    view.setFirstTick(0);
    const QPoint at105(int(view.xAtTick(105.0)) + 1, view.rulerRow().center().y());
    QTest::mouseClick(&view, Qt::LeftButton, {}, at105);
    EXPECT_GT(qGreen(shown(160, 100)), 100) << "1.5 s in: green";
    EXPECT_LT(qRed(shown(160, 100)), 20);

    select(0);
    EXPECT_GT(qRed(shown(160, 100)), 100) << "a line picked in the list: from its start again";
}

// A movie's picture is the one shown at the moment asked for, forwards and back again, and none
// past its end.
TEST(ReferencePicture, AMovieGivesThePictureOfTheMoment)
{
    TempFolder folder;
    const QRgb colors[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(filled(colors[i]).save(
                QString::fromStdString(folder.file("f_000" + std::to_string(i) + ".png"))));
    auto reference = ReferencePicture::open(QString::fromStdString(folder.path().string()));
    ASSERT_TRUE(reference) << reference.error().text;
    const auto colorAt = [&reference](double seconds) {
        const QImage picture = reference->at(seconds);
        return picture.isNull() ? QRgb(0) : picture.pixel(160, 100);
    };
    // 25 pictures a second: 0, 0.04 and 0.08 s.
    EXPECT_EQ(colorAt(0.0), colors[0]);
    EXPECT_EQ(colorAt(0.05), colors[1]);
    EXPECT_EQ(colorAt(0.1), colors[2]);
    EXPECT_EQ(colorAt(0.01), colors[0]) << "back to the start";
    EXPECT_EQ(colorAt(0.09), colors[2]);
    EXPECT_EQ(colorAt(0.5), QRgb(0)) << "past its end";
}

} // namespace
} // namespace tessa::test
