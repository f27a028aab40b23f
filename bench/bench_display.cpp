// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a frame: building its picture, painting it, and a whole selection change in the window.
#include "document/animfile.h"
#include "editor/frm.h"
#include "editor/picture.h"
#include "framescenes.h"
#include "imaging/palette.h"
#include "pairedtimer.h"
#include "platform/dialogs.h"
#include "tempfolder.h"

#include "editor/itemlistview.h"
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace tessa;
using namespace tessa::bench;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A screen refresh at 60 Hz.
constexpr double kFrameSeconds = 1.0 / 60;

// Answers nothing: the benchmarks never ask the user anything.
class SilentDialogs : public Dialogs
{
public:
    QString ShowOpenDialog(QWidget *, const QString &, const QString &, const QString &,
                           const QString &, int &) override
    {
        return {};
    }
    QStringList ShowOpenFilesDialog(QWidget *, const QString &, const QString &, const QString &,
                                    int &) override
    {
        return {};
    }
    QString ShowSaveDialog(QWidget *, const QString &, const QString &, const QString &,
                           const QString &, const QString &, int &) override
    {
        return {};
    }
    QString BrowseForFolder(const QString &, QWidget *, const QString &, bool) override
    {
        return {};
    }
    Answer messageBox(QWidget *, const QString &, const QString &, Icon, Buttons) override
    {
        return Answer::Cancel;
    }
    std::optional<QString> inputBox(QWidget *, const QString &, const QString &,
                                    const QString &) override
    {
        return std::nullopt;
    }
    int chooseItem(QWidget *, const QString &, const QString &, const QStringList &) override
    {
        return -1;
    }
    std::optional<std::vector<std::uint8_t>> matchImage(QWidget *, const ImportRequest &) override
    {
        return std::nullopt;
    }
    std::optional<MovieImportChoice> importMovie(QWidget *, const MovieImportRequest &) override
    {
        return std::nullopt;
    }
    std::optional<ImportSoundChoice> importSound(QWidget *, const ImportSoundRequest &) override
    {
        return std::nullopt;
    }
    void runModal(QDialog &) override {}
    void beep() override {}
    std::unique_ptr<Progress> progress(QWidget *, const QString &, const QString &, int) override
    {
        return nullptr;
    }
    void openAddress(const QString &) override {}
    bool openFile(const QString &) override { return false; }
    std::optional<ToolPreferences> editPreferences(QWidget *, const ToolPreferences &) override
    {
        return std::nullopt;
    }
};

const PaletteColors &palette()
{
    static const PaletteColors colors = paletteColorsFromData(builtInPalette(0));
    return colors;
}

// The same frame as Qt's indexed image with the palette as its colour table.
QImage indexedImage(const Bytes &frame)
{
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (std::uint32_t color : palette())
        table << qRgb(redOf(color), greenOf(color), blueOf(color));
    image.setColorTable(table);
    for (int y = 0; y < kFrameHeight; ++y)
        std::memcpy(image.scanLine(y), frame.data() + y * kFrameWidth, kFrameWidth);
    return image;
}

// What the window does with a frame before handing it to the picture box.
QPixmap buildPicture(const Bytes &frame)
{
    return QPixmap::fromImage(CreatePicture(kFrameWidth, kFrameHeight, frame, palette()));
}

// Building the picture against Qt converting the indexed image of the frame to RGB.
void buildVsQtConversion(benchmark::State &state)
{
    const Bytes frame = test::makeScene(test::Scene::NothingChanged).frame;
    const QImage indexed = indexedImage(frame);
    runPaired(
            state, {1.0}, kFrameSize,
            [&] {
                QImage rgb = indexed.convertToFormat(QImage::Format_RGB32);
                benchmark::DoNotOptimize(rgb.constBits());
            },
            [&] {
                QPixmap picture = buildPicture(frame);
                benchmark::DoNotOptimize(picture.cacheKey());
            });
}

// Painting the built picture against painting an RGB32 image of the same size, onto a surface
// like a window's backing store.
void paintVsRgbImage(benchmark::State &state)
{
    const Bytes frame = test::makeScene(test::Scene::NothingChanged).frame;
    const QImage rgb = indexedImage(frame).convertToFormat(QImage::Format_RGB32);
    const QPixmap picture = buildPicture(frame);
    QImage surface(kFrameWidth + 16, kFrameHeight + 16, QImage::Format_RGB32);
    QPainter painter(&surface);
    runPaired(
            state, {1.5}, kFrameSize,
            [&] {
                painter.drawImage(8, 8, rgb);
                benchmark::ClobberMemory();
            },
            [&] {
                painter.drawPixmap(8, 8, picture);
                benchmark::ClobberMemory();
            });
}

// A selection change in a window holding a 1,000-image document, until the window has painted
// its new picture; reported as the share of a 60 Hz screen frame it takes.
void selectionChange(benchmark::State &state)
{
    test::TempFolder folder;
    const std::string file = folder.file("BENCH.QLM");
    test::writeBytes(file, *writeAnimation(test::makeDocument(1000)));
    SilentDialogs dialogs;
    StudioPaths paths{QString::fromStdString(folder.path().string()),
                      QString::fromStdString(folder.file("studio.ini")),
                      QString(),
                      QString(),
                      QString(),
                      QString()};
    frm window(dialogs, paths);
    window.show();
    window.OpenAnim(QString::fromStdString(file));
    QApplication::processEvents();

    using Clock = std::chrono::steady_clock;
    std::vector<double> seconds;
    int row = 0;
    const int rows = window.lst->count();
    for (auto _ : state) {
        row = (row + 373) % rows;
        const auto t0 = Clock::now();
        window.lst->setCurrentRow(row);
        window.repaint();
        const auto t1 = Clock::now();
        seconds.push_back(std::chrono::duration<double>(t1 - t0).count());
    }
    if (window.pic->pixmap().isNull())
        state.SkipWithError("no picture shown");
    reportShareOfBudget(state, seconds, kFrameSeconds, 0.25);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::RegisterBenchmark("picture_build_vs_qt_conversion", buildVsQtConversion);
    benchmark::RegisterBenchmark("picture_paint_vs_rgb32", paintVsRgbImage);
    benchmark::RegisterBenchmark("selection_change_in_frames", selectionChange)
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
