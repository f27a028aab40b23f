// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How far the preview's player strays from the wall clock over a long play: an image and one
// pause of 70 ticks (a second at 70 Hz) per second of play, with the real clock. Each line change
// is stamped on arrival and compared with the time its start tick stands for; the report gives
// the worst and the last lateness in milliseconds and in ticks. Run it on the offscreen platform:
//     QT_QPA_PLATFORM=offscreen build/bench/preview_drift [seconds, default 60]
#include "playback/player.h"
#include "timing/timeline.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace tessa;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    constexpr double kTickRate = 70.0;

    ItemList items{makeImageItem(PixelBuffer(kFrameSize, 1))};
    for (int i = 0; i < seconds; ++i)
        items.push_back(makePauseItem(70));
    items.push_back(makeEndItem());
    Timeline timeline = buildTimeline(items, TimingSettings{kTickRate, 1.0});
    const Timeline copy = timeline;

    Player player(std::make_unique<SteadyPlayClock>());
    player.setTimeline(std::move(timeline));

    QElapsedTimer wall;
    double worstMs = 0;
    double lastMs = 0;
    int changes = 0;
    QObject::connect(&player, &Player::lineChanged, [&](int line) {
        const auto start = copy.startTick(line);
        if (!start || line == 0)
            return;
        const double dueMs = double(*start) * 1000.0 / kTickRate;
        lastMs = double(wall.nsecsElapsed()) / 1e6 - dueMs;
        worstMs = std::max(worstMs, std::abs(lastMs));
        ++changes;
    });
    double endMs = 0;
    QObject::connect(&player, &Player::finished, [&] {
        endMs = double(wall.nsecsElapsed()) / 1e6
                - double(copy.durationTicks()) * 1000.0 / kTickRate;
        worstMs = std::max(worstMs, std::abs(endMs));
        app.quit();
    });

    wall.start();
    player.play();
    app.exec();

    const double tickMs = 1000.0 / kTickRate;
    std::printf("preview drift over %d s: %d line changes, worst %.3f ms (%.3f ticks), "
                "last line %.3f ms, end %.3f ms (%.3f ticks); goal below 1 tick (%.3f ms)\n",
                seconds, changes, worstMs, worstMs / tickMs, lastMs, endMs, endMs / tickMs, tickMs);
    return worstMs < tickMs ? 0 : 1;
}
