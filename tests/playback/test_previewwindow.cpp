// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/onscreen.h"
#include "editor/scripteddialogs.h"
#include "playback/framewidget.h"
#include "playback/previewwindow.h"
#include "playback/timeruler.h"
#include "settings/playbacksettings.h"
#include "tempfolder.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>
#include <cstring>

using namespace tessa;

namespace {

std::vector<std::uint8_t> frameOf(std::uint8_t seed)
{
    std::vector<std::uint8_t> pixels(kFrameSize);
    for (int i = 0; i < kFrameSize; ++i)
        pixels[std::size_t(i)] = std::uint8_t(i * 7 + seed);
    return pixels;
}

QList<QRgb> tableOf(const PaletteColors &colors)
{
    QList<QRgb> table;
    for (std::uint32_t c : colors)
        table.append(qRgb(redOf(c), greenOf(c), blueOf(c)));
    return table;
}

// The picture's size at `zoom`: whole device pixels per pixel, so at 1.5 zoom 3 is 5 device
// pixels (4.5 rounded).
QSize pictureAtRatio(int zoom, double ratio, bool aspect43)
{
    const int deviceScale = std::max(1, int(std::lround(zoom * ratio)));
    return {int(std::ceil(320 * deviceScale / ratio - 1e-9)),
            int(std::ceil((aspect43 ? 240 : 200) * deviceScale / ratio - 1e-9))};
}

bool offered(const QComboBox *box, int zoom)
{
    const auto *model = qobject_cast<const QStandardItemModel *>(box->model());
    return model->item(zoom - 1)->isEnabled();
}

class PreviewWindowTest : public ::testing::Test
{
protected:
    PreviewWindowTest()
    {
        auto clock = std::make_unique<ManualPlayClock>();
        m_clock = clock.get();
        m_ini.LoadINI(m_folder.file("studio.ini"));
        m_window = std::make_unique<PreviewWindow>([this]() -> const ItemList & { return m_items; },
                                                   m_ini, m_dialogs, nullptr, std::move(clock));
        m_window->setPaletteColors(m_colors);
    }
    void at(Tick tick)
    {
        m_clock->setNs(m_start + tick * 1'000'000'000LL / 70 + 1000);
        m_window->player().advance();
    }
    // Shown and active, as after View > Play: window keys need an active window.
    void showActive()
    {
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }
    template<typename T>
    T *child(const char *name)
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    std::string storedPlayback(const char *key) const
    {
        return m_ini.ReadString(PlaybackSettings::kSection, key);
    }
    QSize pictureAt(int zoom) const
    {
        const FrameWidget &frame = m_window->frameWidget();
        return pictureAtRatio(zoom, frame.devicePixelRatioF(), frame.aspect43());
    }
    QSize viewportSize() const
    {
        // The picture lies in the scroll area's viewport.
        return m_window->frameWidget().parentWidget()->size();
    }
    bool wholePictureShown() const
    {
        const QSize shown = viewportSize();
        const QSize picture = m_window->frameWidget().size();
        return shown.width() >= picture.width() && shown.height() >= picture.height();
    }
    void play(int line)
    {
        m_start = m_clock->nowNs();
        m_window->playFrom(line);
        m_start -= *m_window->player().timeline().startTick(line) * 1'000'000'000LL / 70;
    }

    test::TempFolder m_folder;
    clsINI m_ini;
    test::ScriptedDialogs m_dialogs;
    PaletteColors m_colors = paletteColorsFromData(builtInPalette(0));
    // 0 image, 1 pause 10, 2 fade out, 3 image, 4 sound 5, 5 fade in, 6 end.
    ItemList m_items = {makeImageItem(frameOf(1)),
                        makePauseItem(10),
                        makeFadeOutItem(),
                        makeImageItem(frameOf(2)),
                        makeSoundItem(5),
                        makeFadeInItem(),
                        makeEndItem()};
    ManualPlayClock *m_clock = nullptr;
    std::int64_t m_start = 0;
    std::unique_ptr<PreviewWindow> m_window;
};

bool sameFrame(const QImage &image, const std::vector<std::uint8_t> &pixels)
{
    for (int y = 0; y < kFrameHeight; ++y) {
        if (std::memcmp(image.constScanLine(y), pixels.data() + y * kFrameWidth, kFrameWidth) != 0)
            return false;
    }
    return true;
}

} // namespace

TEST_F(PreviewWindowTest, ShowsTheFrameAndColourTableOfEachMoment)
{
    QSignalSpy lines(m_window.get(), &PreviewWindow::playingLine);
    play(0);
    const struct
    {
        Tick tick;
        int image;
        int level;
        int line;
    } rows[] = {
            {0, 0, 30, 1}, {9, 0, 30, 1},  {10, 0, 29, 2}, {24, 0, 15, 2}, {39, 0, 0, 2},
            {40, 3, 1, 5}, {54, 3, 15, 5}, {69, 3, 30, 5}, {70, 3, 30, 6},
    };
    for (const auto &row : rows) {
        at(row.tick);
        const QImage &frame = m_window->frameWidget().frame();
        EXPECT_EQ(frame.format(), QImage::Format_Indexed8);
        EXPECT_TRUE(sameFrame(frame, m_items[std::size_t(row.image)].Pixels)) << row.tick;
        EXPECT_EQ(frame.colorTable(), tableOf(fadedPalette(m_colors, row.level))) << row.tick;
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.last().at(0).toInt(), row.line) << row.tick;
    }
}

TEST_F(PreviewWindowTest, FollowsChangesOfItemsAndPalette)
{
    play(3);
    EXPECT_TRUE(sameFrame(m_window->frameWidget().frame(), m_items[3].Pixels));
    m_window->player().pause();
    m_items[3].Pixels = frameOf(9);
    m_window->itemsChanged();
    EXPECT_TRUE(sameFrame(m_window->frameWidget().frame(), frameOf(9)));

    PaletteColors other = paletteColorsFromData(builtInPalette(1));
    m_window->setPaletteColors(other);
    EXPECT_EQ(m_window->frameWidget().frame().colorTable(),
              tableOf(fadedPalette(other, m_window->player().screen().fadeLevel)));
}

TEST_F(PreviewWindowTest, SoundCuesShowAndMissingFilesBecomeNotes)
{
    play(0);
    at(40);
    EXPECT_EQ(m_window->cueText(), "sound 5");
    EXPECT_EQ(m_window->noteText(), ""); // no folder chosen: nothing to play, nothing to say

    m_dialogs.answerFolder(QString::fromStdString(m_folder.path().string()));
    for (QPushButton *button : m_window->findChildren<QPushButton *>()) {
        if (button->text() == "Choose...")
            button->click();
    }
    ASSERT_TRUE(m_dialogs.allAnswered());
    auto *pattern = child<QLineEdit>("soundPattern");
    pattern->setText("S%q.VOC");
    emit pattern->editingFinished();
    EXPECT_EQ(m_window->noteText().toStdString(),
              "The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to 16) and %%, not "
              "\"%q\".");
    pattern->setText("SOUND%02d.VOC");
    emit pattern->editingFinished();
    EXPECT_EQ(m_window->noteText(), "");

    play(0);
    at(40);
    EXPECT_TRUE(m_window->noteText().startsWith("Sound 5: ")) << m_window->noteText().toStdString();
    EXPECT_TRUE(m_window->noteText().endsWith("SOUND05.VOC is missing."));

    const PlaybackSettings saved(m_ini);
    EXPECT_EQ(saved.soundFolder(), m_folder.path().string());
    EXPECT_EQ(saved.soundPattern(), "SOUND%02d.VOC");
}

TEST_F(PreviewWindowTest, KeysAndChoicesAreRememberedAtOnce)
{
    play(0);
    showActive();
    at(5);
    QTest::keyClick(m_window.get(), Qt::Key_Space);
    EXPECT_FALSE(m_window->player().isPlaying());
    QTest::keyClick(m_window.get(), Qt::Key_Right);
    EXPECT_EQ(m_window->player().position(), 10);
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_EQ(m_window->player().position(), 0);
    EXPECT_TRUE(m_window->isVisible());

    QTest::keyClick(m_window.get(), Qt::Key_L);
    QTest::keyClick(m_window.get(), Qt::Key_Plus);
    const PlaybackSettings saved(m_ini);
    EXPECT_TRUE(saved.loop());
    EXPECT_EQ(saved.speed(), 2.0);
    EXPECT_TRUE(m_window->player().loop());
    EXPECT_EQ(m_window->player().speed(), 2.0);
}

TEST_F(PreviewWindowTest, TheTransportKeysWorkWhereverTheFocusIs)
{
    play(0);
    showActive();
    EXPECT_EQ(QApplication::focusWidget(), &m_window->frameWidget()) << "the picture at start";
    Player &player = m_window->player();
    const Tick end = player.timeline().durationTicks();
    auto *rate = child<QComboBox>("tickRate");
    QWidget *const focusTargets[] = {&m_window->frameWidget(), rate,
                                     child<QPushButton>("chooseSoundFolder")};
    for (QWidget *target : focusTargets) {
        SCOPED_TRACE(target->metaObject()->className());
        target->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), target);
        player.play();
        const auto press = [&](Qt::Key key) { QTest::keyClick(target, key); };
        press(Qt::Key_Space);
        EXPECT_FALSE(player.isPlaying());
        EXPECT_FALSE(rate->view()->isVisible()) << "Space is no drop-down";
        press(Qt::Key_Space);
        EXPECT_TRUE(player.isPlaying());
        press(Qt::Key_Space);
        press(Qt::Key_Home);
        EXPECT_EQ(player.position(), 0);
        press(Qt::Key_Right);
        EXPECT_EQ(player.position(), 10);
        press(Qt::Key_End);
        EXPECT_EQ(player.position(), end);
        press(Qt::Key_Left);
        EXPECT_LT(player.position(), end);
        press(Qt::Key_Escape);
        EXPECT_EQ(player.position(), 0);
        EXPECT_TRUE(m_window->isVisible()) << "Esc stops, it does not close";
        const bool looped = player.loop();
        press(Qt::Key_L);
        EXPECT_NE(player.loop(), looped);
        press(Qt::Key_Plus);
        EXPECT_EQ(player.speed(), 2.0);
        press(Qt::Key_Minus);
        EXPECT_EQ(player.speed(), 1.0);
        EXPECT_EQ(rate->currentIndex(), 0);
    }

    // Typing in the pattern field keeps its letters and cursor keys.
    auto *pattern = child<QLineEdit>("soundPattern");
    pattern->setFocus(Qt::TabFocusReason);
    player.play();
    const bool looped = player.loop();
    QTest::keyClicks(pattern, "L S");
    QTest::keyClick(pattern, Qt::Key_Home);
    QTest::keyClick(pattern, Qt::Key_Right);
    QTest::keyClicks(pattern, "-");
    EXPECT_EQ(pattern->text(), "L- S");
    EXPECT_EQ(player.loop(), looped);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(player.speed(), 1.0);
}

TEST_F(PreviewWindowTest, TheTickRateChangesByKeyOrWheelOnlyOnceItsFieldIsChosen)
{
    play(0);
    showActive();
    auto *rate = child<QComboBox>("tickRate");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    const QPoint middle = rate->rect().center();
    QWheelEvent wheel(middle, rate->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(rate, &wheel);
    for (auto *spin : m_window->findChildren<QDoubleSpinBox *>()) {
        const double before = spin->value();
        QApplication::sendEvent(spin, &wheel);
        EXPECT_EQ(spin->value(), before);
    }
    EXPECT_EQ(rate->currentIndex(), 0);
    EXPECT_EQ(storedPlayback("TickRate"), "") << "nothing written";
    EXPECT_EQ(storedPlayback("PauseMultiplier"), "") << "nothing written";

    rate->setFocus(Qt::TabFocusReason);
    QTest::keyClick(rate, Qt::Key_Down);
    EXPECT_EQ(rate->currentIndex(), 1) << "chosen first, the field takes its keys";
    EXPECT_EQ(PlaybackSettings(m_ini).tickRate(), 60.0);
}

TEST_F(PreviewWindowTest, EnterAppliesTheSoundPatternWhichTakesEffectAsItIsTyped)
{
    const QString folder = QString::fromStdString(m_folder.path().string());
    m_dialogs.answerFolder(folder);
    child<QPushButton>("chooseSoundFolder")->click();
    play(0);
    showActive();
    auto *pattern = child<QLineEdit>("soundPattern");
    auto *state = child<QLabel>("patternState");
    EXPECT_TRUE(pattern->text().isEmpty());
    EXPECT_EQ(state->text(), "No file name pattern is set: sound cues are not played.");
    at(40);
    EXPECT_EQ(m_window->noteText(), "Sound 5: no file name pattern is set, so no sound is played.")
            << "a folder without a pattern is not silently off";

    pattern->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(pattern, "S%d.VOC");
    EXPECT_EQ(state->text(), "Sound 1 is played from S1.VOC.");
    play(0);
    at(40);
    EXPECT_TRUE(m_window->noteText().endsWith("S5.VOC is missing."))
            << "in effect while the field is still being edited: "
            << m_window->noteText().toStdString();

    QTest::keyClick(pattern, Qt::Key_Return);
    EXPECT_EQ(m_dialogs.callsOf(test::DialogCall::Kind::Folder).size(), 1u)
            << "Enter chooses no folder";
    EXPECT_EQ(PlaybackSettings(m_ini).soundPattern(), "S%d.VOC") << "kept on Enter";
    EXPECT_TRUE(pattern->hasFocus());
    EXPECT_TRUE(m_window->isVisible());

    QTest::keyClicks(pattern, "%q");
    EXPECT_TRUE(state->text().contains("\"%q\"")) << state->text().toStdString();
    QTest::keyClick(pattern, Qt::Key_Return);
    EXPECT_EQ(PlaybackSettings(m_ini).soundPattern(), "S%d.VOC") << "a refused pattern is not kept";
    EXPECT_TRUE(m_dialogs.allAnswered());
}

TEST_F(PreviewWindowTest, TheWindowFitsTheScreenWithThePictureAtTheLargestZoomThatFits)
{
    showActive();
    auto *zoomBox = child<QComboBox>("zoom");
    auto *choices = child<QToolButton>("timingAndSound");
    const QRect screen = m_window->screen()->availableGeometry();
    for (const bool unfolded : {false, true, false}) {
        if (choices->isChecked() != unfolded)
            choices->click();
        ASSERT_EQ(child<QLineEdit>("soundPattern")->isVisible(), unfolded);
        for (int chosen = FrameWidget::kMinZoom; chosen <= FrameWidget::kMaxZoom; ++chosen) {
            SCOPED_TRACE(testing::Message() << "zoom " << chosen << (unfolded ? ", choices" : ""));
            zoomBox->setCurrentIndex(chosen - 1);
            emit zoomBox->activated(chosen - 1);
            QCoreApplication::processEvents();
            EXPECT_EQ(storedPlayback("Zoom"), std::to_string(chosen)) << "the choice is kept";
            EXPECT_TRUE(test::fitsItsScreen(*m_window));
            const int zoom = m_window->frameWidget().zoom();
            ASSERT_EQ(m_window->frameWidget().size(), pictureAt(zoom));
            EXPECT_EQ(zoomBox->currentIndex(), zoom - 1);
            // Offered: the zooms up to the largest at which it fits, and no others.
            int largest = 0;
            while (largest < zoomBox->count() && offered(zoomBox, largest + 1))
                ++largest;
            for (int other = largest + 1; other <= FrameWidget::kMaxZoom; ++other)
                EXPECT_FALSE(offered(zoomBox, other)) << other;
            EXPECT_EQ(zoom, std::min(chosen, largest));
            if (!wholePictureShown()) {
                EXPECT_EQ(zoom, 1) << "only where not even the smallest zoom fits";
                EXPECT_GE(m_window->frameGeometry().height(), screen.height() - 1);
                continue;
            }
            if (largest < FrameWidget::kMaxZoom) {
                // One step larger, with the rest of the window as it is, would not fit.
                const QSize rest = m_window->size() - viewportSize();
                const QSize larger = rest + pictureAt(largest + 1);
                EXPECT_TRUE(larger.width() > screen.width() || larger.height() > screen.height())
                        << largest + 1 << " would fit";
            }
        }
    }
}

TEST_F(PreviewWindowTest, TheWindowShowsTheWholePictureAtStart)
{
    // Nothing stored: the default zoom, or the largest smaller one at which the window fits.
    m_window = std::make_unique<PreviewWindow>([this]() -> const ItemList & { return m_items; },
                                               m_ini, m_dialogs);
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    QCoreApplication::processEvents();
    EXPECT_EQ(storedPlayback("Zoom"), "") << "a fitted zoom is not a choice to keep";
    EXPECT_TRUE(test::fitsItsScreen(*m_window));
    const int zoom = m_window->frameWidget().zoom();
    EXPECT_LE(zoom, 2);
    EXPECT_EQ(child<QComboBox>("zoom")->currentIndex(), zoom - 1);
    if (zoom < 2) {
        EXPECT_FALSE(offered(child<QComboBox>("zoom"), zoom + 1)) << "one step larger fits";
    }
    if (zoom == 2 || wholePictureShown()) {
        EXPECT_TRUE(wholePictureShown()) << "zoom " << zoom;
    }
    // The choices are open unless opening them would cost the picture.
    auto *choices = child<QToolButton>("timingAndSound");
    const bool whole = wholePictureShown();
    if (!choices->isChecked()) {
        choices->click();
        QCoreApplication::processEvents();
        // Shown, they take a zoom step, or they scroll, or else the picture does; or they go
        // beside it, where the window then covers the main window's menus.
        const QWidget *group = m_window->findChild<QGroupBox *>();
        const bool scrolled = group->height() > group->parentWidget()->height();
        const bool beside = group->mapTo(m_window.get(), QPoint(0, 0)).x()
                            > m_window->frameWidget().mapTo(m_window.get(), QPoint(0, 0)).x()
                                      + m_window->frameWidget().width();
        EXPECT_TRUE(m_window->frameWidget().zoom() < zoom || scrolled || beside
                    || (whole && !wholePictureShown()));
    }
}

TEST_F(PreviewWindowTest, TheWindowPutsTheChoicesBesideThePictureWhereBelowItTheyWouldScroll)
{
    showActive();
    auto *choices = child<QToolButton>("timingAndSound");
    const QWidget *group = m_window->findChild<QGroupBox *>();
    const QSize screen = m_window->screen()->availableGeometry().size();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "shown" : "folded and shown again");
        if (choices->isChecked())
            choices->click();
        choices->click();
        QCoreApplication::processEvents();
        ASSERT_TRUE(group->isVisible());
        EXPECT_TRUE(test::fitsItsScreen(*m_window));
        const QRect picture(m_window->frameWidget().mapTo(m_window.get(), QPoint(0, 0)),
                            m_window->frameWidget().size());
        const QRect shown(group->mapTo(m_window.get(), QPoint(0, 0)), group->size());
        const bool beside = shown.left() > picture.right();
        const bool scrolled = group->height() > group->parentWidget()->height()
                              || group->width() > group->parentWidget()->width();
        if (screen.height() >= 600) {
            EXPECT_FALSE(beside) << "below the picture, where there is room for them";
            EXPECT_FALSE(scrolled);
        }
        // 1280 x 900 scaled twice: no room below the smallest picture, room beside it.
        if (screen == QSize(640, 450)) {
            EXPECT_TRUE(beside);
            EXPECT_FALSE(scrolled) << group->height() << " in " << group->parentWidget()->height();
            EXPECT_TRUE(wholePictureShown());
            EXPECT_TRUE(test::noTextCut(*m_window));
        }
    }
}

TEST_F(PreviewWindowTest, TheWindowKeepsThePictureWholeWhenANoteAppears)
{
    showActive();
    const QRect screen = m_window->screen()->availableGeometry();
    const QSize picture = m_window->frameWidget().size();
    const bool whole = wholePictureShown();
    auto *choices = child<QToolButton>("timingAndSound");
    for (const bool unfolded : {true, false}) {
        SCOPED_TRACE(unfolded ? "choices shown" : "choices folded");
        if (choices->isChecked() != unfolded)
            choices->click();
        QCoreApplication::processEvents();
        const QSize before = m_window->frameWidget().size();
        const bool wholeBefore = wholePictureShown();
        // A refused pattern changes the line under the field as it is typed, and Enter adds a
        // note; both may take more lines than before.
        auto *pattern = child<QLineEdit>("soundPattern");
        auto *state = child<QLabel>("patternState");
        if (unfolded) {
            pattern->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(pattern, "S%q.VOC");
            EXPECT_TRUE(state->text().contains("\"%q\"")) << state->text().toStdString();
            QTest::keyClick(pattern, Qt::Key_Return);
        } else {
            emit pattern->editingFinished(); // the refused pattern again: the note stays
        }
        QCoreApplication::processEvents();
        ASSERT_FALSE(m_window->noteText().isEmpty());
        EXPECT_TRUE(test::fitsItsScreen(*m_window));
        EXPECT_TRUE(test::noTextCut(*m_window));
        // The window grew for the lines; only at the screen's edge may the picture give way,
        // to a smaller zoom, or where not even the smallest fits, by scrolling.
        if (m_window->frameGeometry().height() < screen.height() - 1) {
            EXPECT_EQ(m_window->frameWidget().size(), before) << "the picture keeps its size";
            EXPECT_EQ(wholePictureShown(), wholeBefore);
        } else {
            EXPECT_TRUE(wholePictureShown() || m_window->frameWidget().zoom() == 1);
        }
    }
    // The note gone and the choices folded, the window is as at the start.
    m_window->findChild<QLineEdit *>("soundPattern")->clear();
    emit m_window->findChild<QLineEdit *>("soundPattern")->editingFinished();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_window->noteText(), "");
    EXPECT_EQ(m_window->frameWidget().size(), picture);
    EXPECT_EQ(wholePictureShown(), whole);
}

TEST_F(PreviewWindowTest, EscStopsAndOnceStoppedClosesTheWindow)
{
    Player &player = m_window->player();
    play(0);
    showActive();
    at(20);
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.position(), 0);
    EXPECT_TRUE(m_window->isVisible()) << "the first Esc only stops";
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_FALSE(m_window->isVisible()) << "a second Esc closes";

    // Paused on the way, Esc goes back to the start first.
    play(3);
    showActive();
    QTest::keyClick(m_window.get(), Qt::Key_Space);
    ASSERT_FALSE(player.isPlaying());
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_EQ(player.position(), 0);
    EXPECT_TRUE(m_window->isVisible());

    // Stopped at the start already (and in a text field): one Esc closes.
    child<QLineEdit>("soundPattern")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(PreviewWindowTest, TheControlsNameTheKeysThatWorkThem)
{
    QStringList tips;
    for (const QWidget *control : m_window->findChildren<QWidget *>())
        tips << control->toolTip();
    const QString all = tips.join(QLatin1Char('\n'));
    for (const char *key : {"(Space)", "(Esc)", "Esc when stopped closes", "Left", "Right",
                            "Page Up", "Page Down", "Home", "End", "(L)", "+", "-"})
        EXPECT_TRUE(all.contains(QLatin1String(key))) << key;
}
