// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// tessa-scrub-sound ANIMATION SOUND_FOLDER PATTERN: the editor with ANIMATION open and its
// timeline shown, the playhead dragged along the ruler with the mouse from the first sound cue
// on, at the pace the animation plays, for 1.5 s; then let go. The sounds are played from
// SOUND_FOLDER by the system's sound output, in real time, and check_scrub_sound.py records what
// is heard meanwhile. Prints "drag" when the button goes down and "let go" when it comes up.
#include "editor/frm.h"
#include "editor/scripteddialogs.h"
#include "editor/studiopaths.h"
#include "editor/timelineview.h"
#include "editor/timelinewindow.h"
#include "settings/clsini.h"
#include "settings/playbacksettings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace tessa;

namespace {

constexpr double kDragSeconds = 1.5;

void say(const char *what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: tessa-scrub-sound ANIMATION SOUND_FOLDER PATTERN\n");
        return 2;
    }
    QTemporaryDir programFolder;
    StudioPaths paths;
    paths.programFolder = programFolder.path();
    paths.settingsFile = QDir(programFolder.path()).filePath("tessarine-studio.ini");
    {
        clsINI settings;
        settings.LoadINI(paths.settingsFile.toStdString());
        PlaybackSettings playback(settings);
        playback.setSoundFolder(argv[2]);
        playback.setSoundPattern(argv[3]);
    }
    test::ScriptedDialogs dialogs;
    frm window(dialogs, paths);
    window.show();
    window.OpenAnim(QString::fromLocal8Bit(argv[1]));
    window.commands().action("Timeline")->trigger();
    auto *timeline = window.findChild<TimelineWindow *>();
    if (!timeline || window.items().empty()) {
        std::fprintf(stderr, "the animation or its timeline did not open\n");
        return 1;
    }
    TimelineView &view = timeline->view();
    // Shown and laid out; not waited for as exposed, which Qt's offscreen screen under Wine
    // never says.
    QTest::qWait(200);
    const auto &cues = view.timeline().soundCues();
    if (cues.empty()) {
        std::fprintf(stderr, "the animation cues no sound\n");
        return 1;
    }
    const double firstTick = double(cues.front().tick);
    const double ticksPerSecond = view.timing().tickRate;
    view.setPixelsPerTick(
            std::max(1.0, double(view.width()) / (ticksPerSecond * kDragSeconds * 1.2)));
    view.setFirstTick(firstTick);
    const int y = view.rulerRow().center().y();
    const auto pointAt = [&view, y](double tick) {
        return QPoint(int(std::ceil(view.xAtTick(tick))), y);
    };

    QElapsedTimer dragging;
    QTimer pace;
    pace.setInterval(10);
    QObject::connect(&pace, &QTimer::timeout, [&] {
        const double seconds = dragging.elapsed() / 1000.0;
        const QPoint point = pointAt(firstTick + std::min(seconds, kDragSeconds) * ticksPerSecond);
        if (seconds < kDragSeconds) {
            QTest::mouseMove(&view, point);
            return;
        }
        pace.stop();
        QTest::mouseRelease(&view, Qt::LeftButton, {}, point);
        say("let go");
        QTimer::singleShot(500, &application, [] { QApplication::exit(0); });
    });
    QTimer::singleShot(300, &application, [&] {
        QTest::mousePress(&view, Qt::LeftButton, {}, pointAt(firstTick));
        say("drag");
        dragging.start();
        pace.start();
    });
    return application.exec();
}
