// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// View > Play, the bold line of the playing item, File > Export > Movie and the sharp picture.
#include "editorfixture.h"
#include "onscreen.h"

#include "editor/itemlistmodel.h"
#include "movie/movieanimation.h"
#include "platform/windowplacement.h"
#include "playback/framewidget.h"
#include "playback/previewwindow.h"
#include "timing/timeline.h"

#include <QFileInfo>
#include <QFont>
#include <QImageReader>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include <cmath>

namespace tessa::test {
namespace {

class ViewPlayTest : public EditorTest
{
protected:
    // Images of indices 1, 2 and 3 on lines 0, 2 and 4, each held by a pause, then End.
    void openThreeImages()
    {
        start();
        open(writeAnimation("THREE.ANIM",
                            {makeImageItem(frameOf(1)), makePauseItem(10),
                             makeImageItem(frameOf(2)), makePauseItem(10),
                             makeImageItem(frameOf(3)), makePauseItem(10), makeEndItem()}));
    }

    // Plays from `line` and holds the picture there, so nothing depends on the clock.
    PreviewWindow &playFrom(int line)
    {
        select(line);
        window->mnuViewPlay->trigger();
        PreviewWindow *preview = window->preview();
        EXPECT_NE(preview, nullptr);
        preview->player().pause();
        return *preview;
    }

    int shownIndex() const { return window->preview()->frameWidget().frame().pixelIndex(0, 0); }

    int boldLine() const
    {
        const QAbstractItemModel *model = window->lst->model();
        int bold = -1;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QVariant font = model->data(model->index(row, 0), Qt::FontRole);
            if (font.isValid() && font.value<QFont>().bold()) {
                EXPECT_EQ(bold, -1) << "one bold line at most";
                bold = row;
            }
        }
        return bold;
    }
};

TEST_F(ViewPlayTest, playIsOfferedOnlyWhileADocumentWithItemsIsOpen)
{
    start();
    EXPECT_FALSE(window->mnuViewPlay->isEnabled()) << "no document";
    EXPECT_EQ(window->mnuViewPlay->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(window->mnuView->title(), "&View");
    window->mnuViewPlay->trigger();
    EXPECT_EQ(window->preview(), nullptr) << "the shortcut does nothing while it is off";

    newDocument();
    EXPECT_TRUE(window->mnuViewPlay->isEnabled()) << "a new document";

    // New again with the image cancelled: the document is gone.
    dialogs.answerOpen(QString());
    window->mnuFileNew->trigger();
    EXPECT_FALSE(window->mnuViewPlay->isEnabled()) << "after a cancelled New";

    open(writeAnimation("ONE.ANIM", {makeImageItem(frameOf(4)), makeEndItem()}));
    EXPECT_TRUE(window->mnuViewPlay->isEnabled()) << "an opened file";
}

TEST_F(ViewPlayTest, theTimeIsWrittenWithTheDecimalSignOfTheLanguage)
{
    const struct
    {
        QLocale::Language language;
        const char *time;
    } rows[] = {{QLocale::English, "0:00.14 / 0:00.43"},
                {QLocale::German, "0:00,14 / 0:00,43"},
                {QLocale::French, "0:00,14 / 0:00,43"}};
    const QLocale before;
    for (const auto &row : rows) {
        QLocale::setDefault(QLocale(row.language));
        openThreeImages();
        const PreviewWindow &preview = playFrom(2);
        const auto labels = preview.findChildren<QLabel *>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QLabel *label) {
            return label->text() == QLatin1String(row.time);
        })) << row.time;
        window.reset();
    }
    QLocale::setDefault(before);
}

TEST_F(ViewPlayTest, theMenuBarKeepsItsOrderAndAccessKeysStayDistinct)
{
    start();
    QStringList titles;
    QList<QChar> keys;
    for (QAction *action : window->menuBar()->actions()) {
        const QString title = action->text();
        titles << title;
        const int amp = title.indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << title.toStdString();
        keys << title.at(amp + 1).toLower();
    }
    EXPECT_EQ(titles,
              (QStringList{"&File", "&Edit", "&View", "&Project", "P&alette", "&Tools", "&Help"}));
    for (const QChar key : keys)
        EXPECT_EQ(keys.count(key), 1) << QString(key).toStdString();
    const QList<QAction *> exports = window->mnuFileExport->actions();
    ASSERT_EQ(exports.size(), 4);
    EXPECT_EQ(exports[0]->text(), "&Animation");
    EXPECT_EQ(exports[1]->text(), "&Frame");
    EXPECT_EQ(exports[2]->text(), "&Movie...");
    EXPECT_EQ(exports[3]->text(), "&Patch...");
}

TEST_F(ViewPlayTest, thePreviewStartsAtTheSelectedLine)
{
    openThreeImages();
    for (int line : {0, 2, 4}) {
        playFrom(line);
        EXPECT_TRUE(window->preview()->isVisible());
        EXPECT_EQ(shownIndex(), line / 2 + 1) << "line " << line;
    }
}

TEST_F(ViewPlayTest, thePreviewOpensBesideTheWindowAndThenWhereTheUserPutIt)
{
    openThreeImages();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    PreviewWindow &preview = playFrom(0);
    const QWidget *bar = window->menuBar();
    const QRect menus(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    EXPECT_FALSE(preview.frameGeometry().intersects(menus))
            << "the main window's menus stay in reach";
    EXPECT_EQ(settingsText().find("[Preview]"), std::string::npos) << "nothing the user chose";

    // Moved by the user (where the window system lets it rest): remembered once it rests.
    preview.move(availableAreaFor(preview).topLeft() + QPoint(23, 17));
    EXPECT_TRUE(QTest::qWaitFor(
            [&] { return settingsText().find("[Preview]") != std::string::npos; }, 3000));
    const QPoint put = preview.pos();
    EXPECT_NE(settingsText().find("Left=" + std::to_string(put.x())
                                  + "\r\nTop=" + std::to_string(put.y())),
              std::string::npos)
            << settingsText();

    window.reset();
    start();
    open(writeAnimation("THREE.ANIM", {makeImageItem(frameOf(1)), makeEndItem()}));
    window->show();
    EXPECT_EQ(playFrom(0).pos(), put);
}

// A main window in the middle of a 1280 x 900 screen leaves room beside it for the preview at
// zoom 1 only; at zoom 2 the preview would cover the menus. It takes the zoom that keeps them in
// reach.
TEST_F(ViewPlayTest, thePreviewKeepsTheMenusOfAWindowInTheMiddleInReach)
{
    openThreeImages();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QRect screen = availableAreaFor(*window);
    if (screen.width() < 1280 || screen.height() < 900)
        GTEST_SKIP() << "needs a screen of 1280 x 900 at least";
    window->move(screen.center() - QPoint(window->width() / 2, window->height() / 2));
    PreviewWindow &preview = playFrom(0);
    const QWidget *bar = window->menuBar();
    const QRect menus(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    EXPECT_FALSE(preview.frameGeometry().intersects(menus)) << "the menus stay in reach";
    EXPECT_TRUE(screen.contains(preview.frameGeometry()));
    EXPECT_TRUE(preview.showsWholePicture());
}

TEST_F(ViewPlayTest, thePreviewFollowsChangesOfTheDocument)
{
    openThreeImages();
    PreviewWindow &preview = playFrom(0);
    const Tick before = preview.player().timeline().durationTicks();

    select(1);
    window->mnuProjectDelete->trigger();
    EXPECT_LT(preview.player().timeline().durationTicks(), before) << "one pause fewer";
    select(0);
    window->mnuProjectDelete->trigger();
    // The paused preview shows the line now selected: the former line 2.
    EXPECT_EQ(shownIndex(), 2);
    window->mnuEditUndo->trigger();

    window->mnuEditUndo->trigger();
    EXPECT_EQ(preview.player().timeline().durationTicks(), before) << "and back after Undo";
}

TEST_F(ViewPlayTest, theBoldLineFollowsThePlayingItemAndGoesOnStop)
{
    openThreeImages();
    EXPECT_EQ(boldLine(), -1);
    PreviewWindow &preview = playFrom(1);
    EXPECT_EQ(boldLine(), 1);
    EXPECT_EQ(selected(), 1);
    preview.player().stepNext();
    EXPECT_GT(boldLine(), 1);
    EXPECT_EQ(boldLine(), preview.player().currentLine());
    EXPECT_EQ(selected(), 1) << "the selection is not the highlight";
    preview.player().stepPrevious();
    EXPECT_EQ(boldLine(), preview.player().currentLine());
    preview.player().stop();
    EXPECT_EQ(boldLine(), -1) << "stopped";

    playFrom(3);
    EXPECT_EQ(boldLine(), 3);
    preview.close();
    EXPECT_EQ(boldLine(), -1) << "closed";
}

TEST_F(ViewPlayTest, theBoldLineGoesWhenPlayingEndsAndStaysGone)
{
    openThreeImages();
    PreviewWindow &preview = playFrom(1);
    Player &player = preview.player();
    player.play();
    player.seek(player.timeline().durationTicks());
    player.advance();
    ASSERT_FALSE(player.isPlaying()) << "played to the end";
    EXPECT_EQ(boldLine(), -1) << "at the end";

    select(1);
    window->mnuProjectDelete->trigger();
    EXPECT_EQ(boldLine(), -1) << "after an edit";
    window->mnuEditUndo->trigger();
    open(writeAnimation("OTHER.ANIM", {makeImageItem(frameOf(5)), makePauseItem(10),
                                       makeImageItem(frameOf(6)), makeEndItem()}));
    EXPECT_EQ(boldLine(), -1) << "in the next animation opened";

    // Opening another animation while one plays stops it: its lines are not the ones played.
    playFrom(0);
    preview.player().play();
    EXPECT_EQ(boldLine(), 1);
    open(path("THREE.ANIM"));
    EXPECT_EQ(window->lst->count(), 7);
    EXPECT_EQ(boldLine(), -1);
    EXPECT_FALSE(preview.player().isPlaying());
}

TEST_F(ViewPlayTest, theListKeepsThePlayingLineInSight)
{
    ItemList items;
    for (int k = 0; k < 30; ++k) {
        items.push_back(makeImageItem(frameOf(std::uint8_t(k + 1))));
        items.push_back(makePauseItem(10));
    }
    items.push_back(makeEndItem());
    start();
    open(writeAnimation("LONG.ANIM", items));
    PreviewWindow &preview = playFrom(0);
    preview.player().play();
    const QRect inSight = window->lst->viewport()->rect();
    // The pauses: an image takes no time, the line under way is the pause that holds it.
    for (const int line : {59, 31, 1}) {
        preview.player().seek(*preview.player().timeline().startTick(line));
        ASSERT_EQ(boldLine(), line);
        const QRect shown = window->lst->visualRect(window->lst->model()->index(line, 0));
        EXPECT_TRUE(inSight.contains(shown)) << "line " << line;
    }
    EXPECT_EQ(selected(), 0) << "the selection is not moved";
}

TEST_F(ViewPlayTest, thePreviewFitsTheScreenAndASecondEscClosesIt)
{
    openThreeImages();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    PreviewWindow &preview = playFrom(2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    QCoreApplication::processEvents();
    EXPECT_TRUE(fitsItsScreen(preview));
    EXPECT_TRUE(noTextCut(preview));
    // The whole picture, or, where not even the smallest zoom leaves room for the controls,
    // a window as tall as the screen allows.
    const QSize shown = preview.frameWidget().parentWidget()->size();
    const QSize picture = preview.frameWidget().size();
    if (shown.width() < picture.width() || shown.height() < picture.height()) {
        EXPECT_EQ(preview.frameWidget().zoom(), 1);
        EXPECT_GE(preview.frameGeometry().height(),
                  preview.screen()->availableGeometry().height() - 1);
    }

    preview.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    ASSERT_NE(boldLine(), -1);
    QTest::keyClick(&preview, Qt::Key_Escape);
    EXPECT_EQ(preview.player().position(), 0);
    EXPECT_EQ(boldLine(), -1);
    EXPECT_TRUE(preview.isVisible()) << "the first Esc stops";
    QTest::keyClick(&preview, Qt::Key_Escape);
    EXPECT_FALSE(preview.isVisible()) << "the second closes";
}

TEST_F(ViewPlayTest, exportMovieWritesAGifAsLongAsTheTimeline)
{
    start();
    const QString animation = writeAnimation("FADE.ANIM", fadingAnimation());
    open(animation);
    const QString movie = path("fade.gif");
    dialogs.answerSave(movie);
    window->mnuFileExportMovie->trigger();

    const auto saves = dialogs.callsOf(Kind::Save);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].title, "Export Movie");
    EXPECT_TRUE(saves[0].filter.contains("*.webm") && saves[0].filter.contains("*.mp4")
                && saves[0].filter.startsWith("GIF"));
    EXPECT_EQ(dialogs.progressTitles, QStringList{"Export Movie"});

    QImageReader reader(movie);
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    int frames = 0;
    int totalMs = 0;
    while (frames < 10000) {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        ++frames;
        totalMs += reader.nextImageDelay();
    }
    EXPECT_GT(frames, 1);
    // The saved Playback settings are the defaults: 70 ticks a second.
    const Timeline timeline = buildTimeline(fadingAnimation(), TimingSettings{70.0, 1.0});
    const double seconds = timeline.seconds(timeline.durationTicks());
    // GIF delays are whole hundredths: each frame may be off by one.
    EXPECT_NEAR(totalMs / 1000.0, seconds, 0.01 * frames + 0.01);
    EXPECT_NE(settingsText().find("[Movie]"), std::string::npos);
    EXPECT_NE(settingsText().find("MoviePath="), std::string::npos);
}

TEST_F(ViewPlayTest, aCancelledMovieLeavesNoFile)
{
    start();
    open(writeAnimation("FADE.ANIM", fadingAnimation()));
    dialogs.cancelProgressAfter = 1;
    dialogs.answerSave(path("cancelled.gif"));
    window->mnuFileExportMovie->trigger();
    EXPECT_FALSE(QFileInfo::exists(path("cancelled.gif")));
    EXPECT_TRUE(dialogs.callsOf(Kind::Message).empty());
}

TEST_F(ViewPlayTest, aFailedMovieIsShownAloneAndItsFolderNotRemembered)
{
    start();
    open(writeAnimation("FADE.ANIM", fadingAnimation()));
    dialogs.answerSave(path("missing/fade.gif"));
    window->mnuFileExportMovie->trigger();
    const auto boxes = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::Critical);
    EXPECT_FALSE(boxes[0].progressOpen) << "the progress box would hide the error";
    EXPECT_EQ(settingsText().find("MoviePath="), std::string::npos);
}

TEST_F(ViewPlayTest, aNameWithoutAMovieExtensionTakesTheFirstFilters)
{
    start();
    open(writeAnimation("FADE.ANIM", fadingAnimation()));
    dialogs.answerSave(path("plain"));
    window->mnuFileExportMovie->trigger();
    EXPECT_TRUE(QFileInfo::exists(path("plain.gif")));
}

TEST_F(ViewPlayTest, thePictureIsSharpOnAScreenScaledTwice)
{
    // A chequerboard of two far-apart colours: any smoothing mixes them.
    Bytes chequer(kFrameSize);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            chequer[std::size_t(y * kFrameWidth + x)] = (x + y) % 2 ? 15 : 0;
    start();
    open(writeAnimation("CHEQ.ANIM", {makeImageItem(chequer), makeEndItem()}));
    ASSERT_FALSE(window->pic->isHidden());
    EXPECT_EQ(window->pic->size(), QSize(320, 200));

    QImage grabbed(640, 400, QImage::Format_RGB32);
    grabbed.setDevicePixelRatio(2.0);
    grabbed.fill(Qt::magenta);
    window->pic->render(&grabbed);
    const PaletteColors colors = window->paletteColors();
    const auto rgb = [&](int index) {
        const std::uint32_t c = colors[std::size_t(index)];
        return qRgb(redOf(c), greenOf(c), blueOf(c));
    };
    int wrong = 0;
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            const QRgb want = rgb((x + y) % 2 ? 15 : 0);
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    wrong += grabbed.pixel(2 * x + dx, 2 * y + dy) != want;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(ViewPlayTest, thePictureTakesWholeDevicePixelsOnAScreenScaledOneAndAHalf)
{
    Bytes stripes(kFrameSize);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            stripes[std::size_t(y * kFrameWidth + x)] = (x + y) % 2 ? 15 : std::uint8_t(x % 7);
    start();
    open(writeAnimation("STRIPES.ANIM", {makeImageItem(stripes), makeEndItem()}));
    EXPECT_EQ(window->pic->geometry(), QRect(152, 8, 320, 200)) << "the layout stays";

    // 320 x 200 logical pixels are 480 x 300 device pixels: the frame shows at one device
    // pixel per pixel in the middle of them.
    QImage grabbed(480, 300, QImage::Format_RGB32);
    grabbed.setDevicePixelRatio(1.5);
    grabbed.fill(Qt::magenta);
    window->pic->render(&grabbed);
    const PaletteColors colors = window->paletteColors();
    int wrong = 0;
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            const std::uint32_t c = colors[stripes[std::size_t(y * kFrameWidth + x)]];
            wrong += grabbed.pixel(80 + x, 50 + y) != qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace
} // namespace tessa::test
