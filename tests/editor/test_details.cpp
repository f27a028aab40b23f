// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// View > Changes and View > Item Details: what the file stores of each line, and the settings
// that remember both.
#include "animbytes.h"
#include "editor/changespicture.h"
#include "editor/itemdetailspanel.h"
#include "editorfixture.h"
#include "onscreen.h"
#include "platform/windowplacement.h"
#include "settings/clsini.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QTest>

namespace tessa::test {
namespace {

constexpr std::uint8_t kBackground = 9;

// `base` with a block of `index` over rows `top` to `top + 9`, columns `left` to `left + 29`.
Bytes withBlock(Bytes base, std::uint8_t index, int top, int left)
{
    for (int y = top; y < top + 10; ++y)
        for (int x = left; x < left + 30; ++x)
            base[std::size_t(y * kFrameWidth + x)] = index;
    return base;
}

class DetailsTest : public EditorTest
{
protected:
    QRgb rgb(std::uint8_t index) const
    {
        const std::uint32_t c = window->paletteColors()[index];
        return qRgb(redOf(c), greenOf(c), blueOf(c));
    }

    // The picture box as a screen scaled `scale` times shows it, in device pixels.
    QImage rendered(int scale) const
    {
        QImage grabbed(kFrameWidth * scale, kFrameHeight * scale, QImage::Format_RGB32);
        grabbed.setDevicePixelRatio(scale);
        grabbed.fill(Qt::magenta);
        window->pic->render(&grabbed);
        return grabbed;
    }

    // The device pixels that differ from `frame` drawn with its changes against `reference`
    // standing out, at each scale.
    int wrongPixels(const Bytes &frame, const Bytes &reference, int scale) const
    {
        const QImage grabbed = rendered(scale);
        int wrong = 0;
        for (int y = 0; y < kFrameHeight; ++y) {
            for (int x = 0; x < kFrameWidth; ++x) {
                const std::size_t at = std::size_t(y * kFrameWidth + x);
                const QRgb full = rgb(frame[at]);
                const QRgb want = frame[at] != reference[at] ? full : quarterBrightness(full);
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        wrong += grabbed.pixel(scale * x + dx, scale * y + dy) != want;
            }
        }
        return wrong;
    }

    QString locale(double value, int decimals) const
    {
        return QLocale().toString(value, 'f', decimals);
    }
};

TEST(QuarterBrightness, DividesEachComponentByFour)
{
    EXPECT_EQ(quarterBrightness(qRgb(255, 128, 7)), qRgb(63, 32, 1));
    EXPECT_EQ(quarterBrightness(qRgb(0, 3, 4)), qRgb(0, 0, 1));
}

TEST_F(DetailsTest, theChangesViewShowsTheStoredPixelsExactlyAtScaleOneAndTwo)
{
    // A first image mostly of the background with two blocks; the second moves one of them.
    const Bytes first =
            withBlock(withBlock(Bytes(kFrameSize, kBackground), 14, 20, 40), 12, 150, 250);
    const Bytes second =
            withBlock(withBlock(Bytes(kFrameSize, kBackground), 14, 25, 45), 12, 150, 250);
    const Bytes background(kFrameSize, kBackground);
    start();
    open(writeAnimation("MOVE.ANIM", {makeImageItem(first), makePauseItem(5), makeImageItem(second),
                                      makePauseItem(5), makeEndItem()}));
    for (std::uint8_t index : {kBackground, std::uint8_t(12), std::uint8_t(14)})
        ASSERT_NE(rgb(index), quarterBrightness(rgb(index))) << "colours that show the dimming";
    EXPECT_EQ(window->mnuViewChanges->text(), "&Changes");
    EXPECT_EQ(window->mnuViewChanges->shortcut(), QKeySequence("Ctrl+Shift+D"));
    EXPECT_FALSE(window->mnuViewChanges->isChecked());
    window->mnuViewChanges->trigger();
    ASSERT_TRUE(window->mnuViewChanges->isChecked());

    const struct
    {
        int line;
        const Bytes &frame;
        const Bytes &reference;
    } rows[] = {
            {0, first, background}, // the first image against its most frequent colour
            {1, first, background}, // a pause shows the image above it
            {2, second, first},     {3, second, first}, {4, second, first},
    };
    for (const auto &row : rows) {
        select(row.line);
        ASSERT_FALSE(window->pic->isHidden());
        EXPECT_EQ(wrongPixels(row.frame, row.reference, 1), 0) << "line " << row.line;
        EXPECT_EQ(wrongPixels(row.frame, row.reference, 2), 0) << "line " << row.line << " at 2x";
    }

    // Off again: the plain picture, every pixel in its own colour.
    window->mnuViewChanges->trigger();
    select(2);
    EXPECT_EQ(wrongPixels(second, Bytes(kFrameSize, 0), 1), 0);
}

TEST_F(DetailsTest, theChangesCheckMarkIsRememberedAndWrittenOnlyWhenToggled)
{
    start();
    EXPECT_FALSE(window->mnuViewChanges->isChecked());
    window->mnuViewChanges->trigger();
    const std::string written = settingsText();
    EXPECT_NE(written.find("[View]\r\nChanges=1\r\n"), std::string::npos) << written;

    window.reset();
    EXPECT_EQ(settingsText(), written) << "nothing written at close";
    start();
    EXPECT_TRUE(window->mnuViewChanges->isChecked()) << "remembered";
    EXPECT_EQ(settingsText(), written) << "nothing written at start-up";

    // The picture of a document opened now shows the changes.
    open(writeAnimation(
            "ONE.ANIM",
            {makeImageItem(withBlock(Bytes(kFrameSize, kBackground), 14, 0, 0)), makeEndItem()}));
    EXPECT_EQ(window->pic->pixmap().toImage().pixel(100, 100), quarterBrightness(rgb(kBackground)));
    EXPECT_EQ(window->pic->pixmap().toImage().pixel(0, 0), rgb(14));

    window->mnuViewChanges->trigger();
    EXPECT_NE(settingsText().find("[View]\r\nChanges=0\r\n"), std::string::npos);
    EXPECT_EQ(window->pic->pixmap().toImage().pixel(100, 100), rgb(kBackground))
            << "the picture follows at once";
}

TEST_F(DetailsTest, theDetailsPanelIsHiddenAtStartRememberedAndLeavesTheWindowAlone)
{
    start();
    window->show();
    const QSize windowSize = window->size();
    EXPECT_EQ(window->details(), nullptr);
    EXPECT_FALSE(window->mnuViewDetails->isChecked());
    EXPECT_EQ(window->mnuViewDetails->text(), "Item &Details");

    window->mnuViewDetails->trigger();
    ASSERT_NE(window->details(), nullptr);
    EXPECT_TRUE(window->details()->isVisible());
    EXPECT_TRUE(window->details()->isWindow()) << "a window of its own";
    EXPECT_EQ(window->centralWidget()->size(), QSize(481, 218));
    EXPECT_EQ(window->size(), windowSize);
    EXPECT_NE(settingsText().find("[View]\r\nItemDetails=1\r\n"), std::string::npos);

    // Closed with its own button: the check mark goes and the choice is remembered.
    window->details()->close();
    EXPECT_FALSE(window->mnuViewDetails->isChecked());
    EXPECT_NE(settingsText().find("ItemDetails=0\r\n"), std::string::npos);

    window->mnuViewDetails->trigger();
    const std::string written = settingsText();
    // File > Exit closes the main window, and then, quitting, Qt closes the panel too.
    window->mnuFileExit->trigger();
    window->details()->close();
    window.reset();
    EXPECT_EQ(settingsText(), written) << "nothing written at close";

    start();
    EXPECT_TRUE(window->mnuViewDetails->isChecked());
    ASSERT_NE(window->details(), nullptr);
    EXPECT_FALSE(window->details()->isVisible()) << "shown with the window, not before";
    window->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->details()->isVisible());
    EXPECT_EQ(window->centralWidget()->size(), QSize(481, 218));
    EXPECT_EQ(settingsText(), written) << "nothing written at start-up";
}

TEST_F(DetailsTest, thePanelFitsTheScreenBesideTheWindowAndNeverOverItsMenus)
{
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->mnuViewDetails->trigger();
    QCoreApplication::processEvents();
    const ItemDetailsPanel &panel = *window->details();
    ASSERT_TRUE(panel.isVisible());
    EXPECT_TRUE(fitsItsScreen(panel));
    EXPECT_TRUE(noTextCut(panel));

    const QRect placed = panel.frameGeometry();
    const QRect main = window->frameGeometry();
    const QMenuBar *bar = window->menuBar();
    const QRect menus(main.topLeft(),
                      QPoint(main.right(), bar->mapToGlobal(QPoint(0, bar->height() - 1)).y()));
    EXPECT_FALSE(placed.intersects(menus)) << "over the title or the menus";
    // Beside or below the window wherever one of them has the room.
    const QRect screen = window->screen()->availableGeometry();
    const bool room = screen.right() - main.right() > placed.width()
                      || main.left() - screen.left() > placed.width()
                      || screen.bottom() - main.bottom() > placed.height();
    if (room) {
        EXPECT_FALSE(placed.intersects(main)) << "over the window with room beside it";
    }
    EXPECT_EQ(window->centralWidget()->size(), QSize(481, 218));
}

TEST_F(DetailsTest, wherePutThePanelStaysAndIsWrittenOnlyWhenMovedAndStillFitsTheScreen)
{
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->mnuViewDetails->trigger();
    QCoreApplication::processEvents();
    ItemDetailsPanel *panel = window->details();
    ASSERT_TRUE(panel->isVisible());
    QTest::qWait(700);
    EXPECT_EQ(settingsText().find("[ItemDetailsWindow]"), std::string::npos)
            << "placing it is no choice of the user's";

    // The user drags it to the screen's top left corner.
    const QRect screen = window->screen()->availableGeometry();
    const QPoint corner = screen.topLeft() + QPoint(10, 5);
    moveFrameTo(*panel, corner);
    QTRY_COMPARE_WITH_TIMEOUT(panel->frameGeometry().topLeft(), corner, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(settingsText().find("[ItemDetailsWindow]") != std::string::npos, 3000);
    EXPECT_NE(settingsText().find("Left=" + std::to_string(corner.x())
                                  + "\r\nTop=" + std::to_string(corner.y())),
              std::string::npos)
            << settingsText();

    // Hidden and shown, and at the next start: where it was put, and nothing written.
    window->mnuViewDetails->trigger();
    window->mnuViewDetails->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->details()->frameGeometry().topLeft(), corner);
    const std::string written = settingsText();
    window.reset();
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(window->details() && window->details()->isVisible(), 2000);
    EXPECT_EQ(window->details()->frameGeometry().topLeft(), corner);
    EXPECT_TRUE(fitsItsScreen(*window->details()));
    QTest::qWait(700);
    EXPECT_EQ(settingsText(), written) << "nothing written at start-up or close";

    // A place no screen has any more is not taken: beside the window again.
    {
        clsINI settings;
        settings.LoadINI(paths.settingsFile.toStdString());
        settings.WriteValue("ItemDetailsWindow", "Left", "5000");
    }
    window.reset();
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(window->details() && window->details()->isVisible(), 2000);
    EXPECT_TRUE(fitsItsScreen(*window->details()));
}

TEST_F(DetailsTest, thePanelAndTheTooltipsGiveTheFiguresOfTheSavedFile)
{
    // Ten ticks a second: the figures follow the preview's timing.
    writeText(paths.settingsFile.toStdString(), "[Playback]\r\nTickRate=10\r\n");
    const Bytes first = withBlock(Bytes(kFrameSize, kBackground), 14, 20, 40);
    const Bytes second = withBlock(first, 12, 100, 100);
    const Bytes third = withBlock(second, 14, 100, 200);
    start();
    const QString file = writeAnimation(
            "FIGURES.ANIM", {makeImageItem(first), makePauseItem(5), makeFadeInItem(),
                             makeImageItem(second), makeImageItem(third), makeSoundItem(3),
                             makePauseItem(20), makeEndItem(), makePauseItem(7)});
    open(file);
    window->show();
    window->mnuViewDetails->trigger();
    ItemDetailsPanel &panel = *window->details();

    // Every line against the file as File > Save writes it, after each kind of change.
    const auto expectFiguresOfTheSave = [&](const char *after) {
        // Just opened, the file is what the writer wrote already.
        if (saveEnabled())
            window->mnuFileSave->trigger();
        ASSERT_FALSE(saveEnabled()) << after;
        const Bytes saved = readBytes(file.toStdString());
        const std::vector<StoredRecord> records = storedRecords(saved);
        ASSERT_EQ(int(records.size()), window->lst->count()) << after;
        const QAbstractItemModel *model = window->lst->model();
        for (int line = 0; line < window->lst->count(); ++line) {
            select(line);
            const StoredRecord &record = records[std::size_t(line)];
            const QString bytes = QLocale().toString(qulonglong(record.bytes)) + " bytes";
            const QString total = QLocale().toString(qulonglong(saved.size())) + " bytes";
            const QString share =
                    locale(100.0 * double(record.bytes) / double(saved.size()), 1) + "%";
            EXPECT_EQ(panel.lblStored->text(), bytes) << after << ", line " << line;
            EXPECT_EQ(panel.lblFileSize->text(), total) << after << ", line " << line;
            EXPECT_EQ(panel.lblShare->text(), share) << after << ", line " << line;
            const QString tip = model->data(model->index(line, 0), Qt::ToolTipRole).toString();
            EXPECT_TRUE(tip.startsWith(bytes + ", " + share + " of " + total))
                    << after << ", line " << line << ": " << tip.toStdString();
            EXPECT_FALSE(tip.contains('\n')) << "one line";
            if (window->items()[std::size_t(line)].isImage()) {
                const QString changed = QLocale().toString(qulonglong(record.pixels))
                                        + " pixels in "
                                        + QLocale().toString(qulonglong(record.runs)) + " runs";
                EXPECT_EQ(panel.lblChanged->text(), changed) << after << ", line " << line;
                QString changedTip = changed;
                changedTip.replace(" pixels in ", " pixels changed in ");
                EXPECT_TRUE(tip.contains(changedTip)) << after << ", line " << line;
            }
        }
    };
    expectFiguresOfTheSave("open");
    select(1);
    window->mnuProjectDelete->trigger();
    expectFiguresOfTheSave("the first pause deleted");
    select(2);
    window->mnuEditMoveDown->trigger();
    expectFiguresOfTheSave("the second image moved below the third");
    window->mnuEditUndo->trigger();
    expectFiguresOfTheSave("the move undone");

    // Lines now: image, fade in, image, image, sound, pause 20, End, pause 7.
    const QString seconds = " s";
    const struct
    {
        int line;
        QString start;
        QString length;
    } timing[] = {
            {0, locale(0, 2) + seconds, locale(0, 2) + seconds + " (0 ticks at 10 a second)"},
            {1, locale(0, 2) + seconds, locale(3, 2) + seconds + " (30 ticks at 10 a second)"},
            {3, locale(3, 2) + seconds, locale(0, 2) + seconds + " (0 ticks at 10 a second)"},
            {5, locale(3, 2) + seconds, locale(2, 2) + seconds + " (20 ticks at 10 a second)"},
            {6, locale(5, 2) + seconds, locale(0, 2) + seconds + " (0 ticks at 10 a second)"},
            {7, "not played: after End", "not played"},
    };
    for (const auto &row : timing) {
        select(row.line);
        EXPECT_EQ(panel.lblStart->text(), row.start) << "line " << row.line;
        EXPECT_EQ(panel.lblLength->text(), row.length) << "line " << row.line;
    }
    EXPECT_EQ(window->lst->lineText(5), "Pause: 20") << "the list texts stay";
}

} // namespace
} // namespace tessa::test
