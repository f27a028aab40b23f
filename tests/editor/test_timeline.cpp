// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// View > Timeline: the items where the preview plays them, and moving them in time as one step.
#include "editor/timelineview.h"
#include "editor/timelinewindow.h"
#include "editorfixture.h"
#include "recordingsoundoutput.h"
#include "settings/clsini.h"
#include "settings/playbacksettings.h"
#include "sound/soundclip.h"
#include "sound/vocfile.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <fstream>

namespace tessa::test {
namespace {

class TimelineTest : public EditorTest
{
protected:
    void openCutScene()
    {
        open(writeAnimation("CUT.ANIM", {makeImageItem(frameOf(1)), makePauseItem(10),
                                         makeImageItem(frameOf(2)), makeSoundItem(3),
                                         makePauseItem(5), makeFadeOutItem(), makeEndItem()}));
    }
    TimelineView &shownTimeline()
    {
        window->commands().action("Timeline")->trigger();
        auto *timeline = window->findChild<TimelineWindow *>();
        EXPECT_NE(timeline, nullptr);
        return timeline->view();
    }
};

TEST_F(TimelineTest, EveryLineIsWhereThePreviewPlaysIt)
{
    start();
    openCutScene();
    TimelineView &view = shownTimeline();
    EXPECT_TRUE(window->commands().action("Timeline")->isChecked());
    clsINI settings;
    settings.LoadINI(paths.settingsFile.toStdString());
    const Timeline expected = buildTimeline(window->items(), PlaybackSettings(settings).timing());
    ASSERT_EQ(view.timeline().durationTicks(), expected.durationTicks());
    for (int line = 0; line < int(window->items().size()); ++line) {
        ASSERT_EQ(view.timeline().startTick(line), expected.startTick(line)) << line;
        const QRect drawn = view.itemRect(line);
        // Each thumbnail, span and bar starts where its line starts.
        if (!drawn.isEmpty()) {
            EXPECT_NEAR(drawn.left(), view.xAtTick(double(*expected.startTick(line))), 1.0) << line;
        }
    }
    // The selection follows the list, and the position shown follows the playhead.
    select(2);
    EXPECT_EQ(view.selectedLine(), 2);
    EXPECT_EQ(view.playhead(), *expected.startTick(2));
    const QString position = window->findChild<TimelineWindow *>()->positionLabel()->text();
    EXPECT_TRUE(position.contains(QStringLiteral("tick %1 ").arg(*expected.startTick(2))))
            << position.toStdString();
}

TEST_F(TimelineTest, APausesEndDraggedIsOneStepStoringWhatTheListShows)
{
    start();
    openCutScene();
    TimelineView &view = shownTimeline();
    const QStringList before = lines();
    view.setPixelsPerTick(4.0);
    view.setFirstTick(0);
    const QRect pause = view.itemRect(1);
    ASSERT_FALSE(pause.isEmpty());
    const QPoint grab(pause.right(), pause.center().y());
    QTest::mousePress(&view, Qt::LeftButton, {}, grab);
    QTest::mouseMove(&view, grab + QPoint(40, 0)); // 10 ticks later
    EXPECT_FALSE(view.dragText().isEmpty());
    QTest::mouseRelease(&view, Qt::LeftButton, {}, grab + QPoint(40, 0));
    const QStringList after = lines();
    ASSERT_NE(after, before);
    EXPECT_TRUE(after[1].startsWith("Pause: ")) << after[1].toStdString();
    EXPECT_GT(payloadValue(window->items()[1]), 10);

    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), before) << "one undo step";
}

// Drags the item of `line` by `ticks` (at 4 pixels a tick), from the middle of what is drawn.
void dragItem(TimelineView &view, int line, int ticks)
{
    view.setPixelsPerTick(4.0);
    view.setFirstTick(0);
    const QRect drawn = view.itemRect(line);
    ASSERT_FALSE(drawn.isEmpty()) << "line " << line;
    const QPoint grab = drawn.center();
    QTest::mousePress(&view, Qt::LeftButton, {}, grab);
    QTest::mouseMove(&view, grab + QPoint(4 * ticks, 0));
    EXPECT_FALSE(view.dragText().isEmpty());
    QTest::mouseRelease(&view, Qt::LeftButton, {}, grab + QPoint(4 * ticks, 0));
}

// A sound cue and an image dragged along time land where they were dropped, as the game plays
// the list the editor now holds, each as one undo step.
TEST_F(TimelineTest, ACueAndAnImageDraggedAreOneStepEachWhereTheyWereDropped)
{
    start();
    openCutScene();
    TimelineView &view = shownTimeline();
    const QStringList before = lines();
    const auto timelineNow = [this, &view] {
        return buildTimeline(window->items(), view.timing());
    };

    // The cue, at tick 10 with the second image, into the pause after it.
    dragItem(view, 3, 3);
    ASSERT_EQ(timelineNow().soundCues().size(), 1u);
    EXPECT_EQ(timelineNow().soundCues()[0].tick, 13);
    EXPECT_EQ(timelineNow().durationTicks(), 45) << "the cue takes no time";
    EXPECT_EQ(view.timeline().soundCues()[0].tick, 13) << "the timeline shows the list";
    const QStringList cueMoved = lines();
    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), before);
    window->mnuEditRedo->trigger();
    EXPECT_EQ(lines(), cueMoved);
    window->mnuEditUndo->trigger();

    // The second image, from tick 10 to 14: the pause before it grows and the end follows.
    dragItem(view, 2, 4);
    const ItemList &items = window->items();
    const auto second = std::find_if(items.begin() + 1, items.end(),
                                     [](const AnimItem &item) { return item.Code == kCodeImage; });
    ASSERT_NE(second, items.end());
    EXPECT_EQ(timelineNow().startTick(int(second - items.begin())), 14);
    EXPECT_EQ(second->Pixels, frameOf(2));
    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), before) << "one undo step";
}

TEST_F(TimelineTest, TheKeysMakeTheSelectedPauseLongerOrShorterAsOneStepEach)
{
    start();
    openCutScene();
    select(1);
    EXPECT_EQ(window->commands().action("LaterByATick")->shortcut(), QKeySequence("Alt+Right"));
    window->commands().action("LaterByATick")->trigger();
    EXPECT_EQ(lines()[1], "Pause: 11");
    window->commands().action("EarlierByTenTicks")->trigger();
    EXPECT_EQ(lines()[1], "Pause: 1");
    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines()[1], "Pause: 11");
    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines()[1], "Pause: 10");
}

// Dragging on the ruler plays the moment of the cued sound under the playhead, as the preview
// would play it there, and letting go silences it.
TEST_F(TimelineTest, ScrubbingPlaysTheSoundUnderThePlayhead)
{
    // Sound 3, two seconds at 8,000 a second, every sample telling where it is.
    std::vector<std::uint8_t> samples(16000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::uint8_t(i * 7 % 251);
    std::filesystem::create_directories(folder.path() / "sounds");
    const std::vector<std::uint8_t> voc = writeVocFile(samples, 8000);
    std::ofstream(folder.path() / "sounds" / "SND03.VOC", std::ios::binary)
            .write(reinterpret_cast<const char *>(voc.data()), std::streamsize(voc.size()));
    {
        clsINI settings;
        settings.LoadINI(paths.settingsFile.toStdString());
        PlaybackSettings playback(settings);
        playback.setSoundFolder(folder.file("sounds"));
        playback.setSoundPattern("SND%02d.VOC");
    }
    const auto clip = loadSoundClip(folder.file("sounds/SND03.VOC"));
    ASSERT_TRUE(clip) << clip.error().text;

    auto log = std::make_shared<RecordedSounds>();
    start().makeSoundOutput = [log] { return std::make_unique<RecordingSoundOutput>(log); };
    openCutScene(); // sound 3 cued at tick 10
    TimelineView &view = shownTimeline();
    view.setPixelsPerTick(4.0);
    view.setFirstTick(0);
    const int y = view.rulerRow().center().y();
    const auto at = [&view, y](Tick tick) {
        return QPoint(int(view.xAtTick(double(tick))) + 1, y);
    };

    QTest::mousePress(&view, Qt::LeftButton, {}, at(5));
    EXPECT_TRUE(log->played.empty()) << "before the cue nothing sounds";
    QTest::mouseMove(&view, at(24));
    ASSERT_EQ(log->played.size(), 1u);
    const Tick heardAt = view.playhead();
    EXPECT_GE(heardAt, 24);
    const QString position = window->findChild<TimelineWindow *>()->positionLabel()->text();
    EXPECT_TRUE(position.contains(QStringLiteral("tick %1 ").arg(heardAt)))
            << position.toStdString();
    const auto from = std::size_t(std::lround(view.timeline().seconds(heardAt - 10) * 8000));
    const std::vector<std::int16_t> &heard = log->played[0];
    ASSERT_GE(heard.size(), 400u) << "a moment long enough to be heard";
    ASSERT_LT(heard.size(), 8000u) << "a moment, not the rest of the sound";
    ASSERT_LE(from + heard.size(), clip->samples.size());
    EXPECT_TRUE(std::equal(heard.begin(), heard.end(), clip->samples.begin() + long(from)))
            << "the sound from the playhead's moment on";

    QTest::mouseMove(&view, at(30)); // too soon after the last to be heard apart from it
    EXPECT_EQ(log->played.size(), 1u);
    QTest::qWait(100);
    QTest::mouseMove(&view, at(32));
    EXPECT_EQ(log->played.size(), 2u);

    const int stopsBefore = log->stops;
    QTest::mouseRelease(&view, Qt::LeftButton, {}, at(32));
    EXPECT_GT(log->stops, stopsBefore) << "letting go silences it";
    EXPECT_EQ(log->played.size(), 2u);
}

} // namespace
} // namespace tessa::test
