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
