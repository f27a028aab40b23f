// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The timeline of a long cut-scene (2,000 items, 100 sound cues with their files) painting while
// the user scrolls and zooms: each frame must fit well within a 120 Hz screen's 8 ms.
#include "editor/animdocument.h"
#include "editor/soundfilestore.h"
#include "editor/timelineview.h"
#include "framescenes.h"
#include "imaging/palette.h"
#include "pairedtimer.h"
#include "sound/vocfile.h"
#include "tempfolder.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

using namespace tessa;
using namespace tessa::bench;

namespace {

constexpr double kFrameBudgetSeconds = 0.008;
constexpr int kSounds = 100;

// About 950 images with pauses between them, and a sound cue before every ninth of the first 900:
// 2,000 items, each cue's file a second or two of sound.
struct LongCutScene
{
    test::TempFolder folder;
    AnimDocument document;
    SoundFileStore sounds;
    TimelineView view{document, sounds};

    LongCutScene()
    {
        ItemList items;
        for (const AnimItem &item : test::makeDocument(300)) {
            if (item.Code == kCodeEnd)
                break;
            items.push_back(item);
        }
        ItemList scene;
        for (int k = 0; scene.size() + 3 < 2000; ++k) {
            if (k % 9 == 0 && k / 9 < kSounds)
                scene.push_back(makeSoundItem(std::int16_t(k / 9)));
            scene.push_back(items[std::size_t(k) % items.size()]);
            scene.push_back(makePauseItem(std::int16_t(5 + k % 20)));
        }
        scene.push_back(makeEndItem());
        document.load(std::move(scene), QString::fromStdString(folder.file("LONGANIM.QLM")));

        for (int n = 0; n < kSounds; ++n) {
            std::vector<std::uint8_t> samples(std::size_t(11025 + 110 * n));
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] = std::uint8_t(128 + 90 * std::sin(double(i) * (0.05 + n * 0.001)));
            test::writeBytes(soundPath(n), writeVocFile(samples, 11025));
        }
        view.setSoundFiles([this](std::int32_t n) { return QString::fromStdString(soundPath(n)); });
        view.setColors(paletteColorsFromData(builtInPalette(0)));
        view.setTiming(TimingSettings{});
        view.resize(1280, view.sizeHint().height());
        view.itemsChanged();
    }

    std::string soundPath(int n) const { return folder.file("SND" + std::to_string(n) + ".VOC"); }
};

// Paints the view into an image as its window would, and returns the seconds it took.
double paintSeconds(TimelineView &view, QImage &surface)
{
    using Clock = std::chrono::steady_clock;
    const auto t0 = Clock::now();
    view.render(&surface);
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// Scrolling through the whole cut-scene, a screen's width at a time, at the zoom it opens with.
void scrollFrame(benchmark::State &state)
{
    LongCutScene scene;
    TimelineView &view = scene.view;
    QImage surface(view.size(), QImage::Format_RGB32);
    const double step = view.width() / view.pixelsPerTick() / 3;
    double first = 0;
    std::vector<double> seconds;
    for (auto _ : state) {
        first = first + step > double(view.lastTick()) ? 0 : first + step;
        view.setFirstTick(first);
        seconds.push_back(paintSeconds(view, surface));
    }
    if (view.timeline().soundCues().size() != std::size_t(kSounds) || scene.sounds.reads() == 0)
        state.SkipWithError(("the cut-scene's sounds are not on the timeline: "
                             + std::to_string(view.timeline().soundCues().size()) + " cues, "
                             + std::to_string(scene.sounds.reads()) + " reads")
                                    .c_str());
    reportShareOfBudget(state, seconds, kFrameBudgetSeconds, 1.0);
}

// Zooming in and out over the whole range, around the middle of the view.
void zoomFrame(benchmark::State &state)
{
    LongCutScene scene;
    TimelineView &view = scene.view;
    view.setFirstTick(double(view.lastTick()) / 2);
    QImage surface(view.size(), QImage::Format_RGB32);
    const double low = std::log(TimelineView::kMinPixelsPerTick);
    const double high = std::log(TimelineView::kMaxPixelsPerTick);
    int frame = 0;
    std::vector<double> seconds;
    for (auto _ : state) {
        // Forty steps from one end of the zoom to the other and back.
        const int phase = frame++ % 80;
        const double share = (phase < 40 ? phase : 80 - phase) / 40.0;
        view.setPixelsPerTick(std::exp(low + share * (high - low)));
        seconds.push_back(paintSeconds(view, surface));
    }
    reportShareOfBudget(state, seconds, kFrameBudgetSeconds, 1.0);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::RegisterBenchmark("timeline/scroll_frame_share_of_8ms", scrollFrame)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("timeline/zoom_frame_share_of_8ms", zoomFrame)
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
