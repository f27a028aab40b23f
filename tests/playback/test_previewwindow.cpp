// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/scripteddialogs.h"
#include "playback/framewidget.h"
#include "playback/previewwindow.h"
#include "playback/timeruler.h"
#include "settings/playbacksettings.h"
#include "tempfolder.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

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
    auto *pattern = m_window->findChild<QLineEdit *>();
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

TEST_F(PreviewWindowTest, TheWindowShowsTheWholePictureWhereTheScreenAllows)
{
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    auto *zoomBox = m_window->findChild<QComboBox *>(QStringLiteral("zoom"));
    ASSERT_TRUE(zoomBox);
    const QSize room = m_window->screen()->availableGeometry().size() - QSize(40, 80);
    for (const int zoom : {2, 3, 1, 6}) {
        zoomBox->setCurrentIndex(zoom - 1);
        emit zoomBox->activated(zoom - 1);
        QCoreApplication::processEvents();
        const QSize picture = m_window->frameWidget().size();
        const QSize shown = m_window->findChild<QScrollArea *>()->viewport()->size();
        ASSERT_EQ(picture.width(), 320 * zoom);
        if (m_window->width() < room.width()) {
            EXPECT_GE(shown.width(), picture.width()) << "zoom " << zoom;
        }
        if (m_window->height() < room.height()) {
            EXPECT_GE(shown.height(), picture.height()) << "zoom " << zoom;
        }
        EXPECT_LE(m_window->height(),
                  std::max(room.height(), m_window->minimumSizeHint().height()));
    }
}
