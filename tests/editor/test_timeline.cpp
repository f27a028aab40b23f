// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// View > Timeline: the items where the preview plays them, and moving them in time as one step.
#include "editor/timelineview.h"
#include "editor/timelinewindow.h"
#include "editorfixture.h"
#include "settings/clsini.h"
#include "settings/playbacksettings.h"

#include <QAction>
#include <QTest>

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
    // The selection follows the list.
    select(2);
    EXPECT_EQ(view.selectedLine(), 2);
    EXPECT_EQ(view.playhead(), *expected.startTick(2));
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

} // namespace
} // namespace tessa::test
