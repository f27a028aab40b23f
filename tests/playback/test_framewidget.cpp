// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "playback/framewidget.h"

#include <QGuiApplication>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace tessa;

namespace {

// The ratio the tests were started with (QT_SCALE_FACTOR), so that a run at 2 cannot silently
// test at 1.
double expectedRatio()
{
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// A palette of 256 distinct colours, none of them black, and a frame that uses all of them in no
// order, so that any smoothing or misplaced row shows.
PaletteColors distinctColors()
{
    PaletteColors colors{};
    for (int i = 0; i < 256; ++i)
        colors[std::size_t(i)] = colorFromRgb(std::uint8_t(i), std::uint8_t(255 - i),
                                              std::uint8_t(i * 37 % 256 | 1));
    return colors;
}

std::vector<std::uint8_t> noiseFrame()
{
    std::mt19937 random(7);
    std::vector<std::uint8_t> pixels(kFrameSize);
    for (auto &pixel : pixels)
        pixel = std::uint8_t(random());
    return pixels;
}

} // namespace

TEST(FrameWidget, PixelExactAtEveryZoomAndRatio)
{
    const PaletteColors colors = distinctColors();
    const std::vector<std::uint8_t> pixels = noiseFrame();
    for (bool aspect43 : {false, true}) {
        for (int zoom : {1, 2, 3}) {
            FrameWidget widget;
            widget.setFrame(pixels);
            widget.setColors(colors);
            widget.setZoom(zoom);
            widget.setAspect43(aspect43);
            widget.show();
            const double ratio = widget.devicePixelRatioF();
            ASSERT_DOUBLE_EQ(ratio, expectedRatio());
            const int scale = widget.deviceScale();
            EXPECT_EQ(scale, std::max(1, int(std::lround(zoom * ratio))));

            const QImage shot = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
            const int rows = (aspect43 ? 240 : 200) * scale;
            const int columns = 320 * scale;
            ASSERT_GE(shot.width(), columns) << zoom;
            ASSERT_GE(shot.height(), rows) << zoom;
            int wrong = 0;
            for (int y = 0; y < rows && wrong < 5; ++y) {
                const int sourceRow = aspect43 ? y * 5 / (6 * scale) : y / scale;
                const QRgb *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
                for (int x = 0; x < columns; ++x) {
                    const std::uint32_t c =
                            colors[pixels[std::size_t(sourceRow * 320 + x / scale)]];
                    if (line[x] != qRgb(redOf(c), greenOf(c), blueOf(c))) {
                        ADD_FAILURE() << "zoom " << zoom << " 4:3 " << aspect43 << " at " << x
                                      << "," << y;
                        ++wrong;
                        break;
                    }
                }
            }
        }
    }
}

TEST(FrameWidget, FadeStepsChangeOnlyTheColourTable)
{
    FrameWidget widget;
    const std::vector<std::uint8_t> pixels = noiseFrame();
    widget.setFrame(pixels);
    const uchar *before = widget.frame().constBits();
    PaletteColors colors = distinctColors();
    widget.setColors(colors);
    colors[3] = 0;
    widget.setColors(colors);
    EXPECT_EQ(widget.frame().constBits(), before); // no copy of the pixels
    EXPECT_EQ(widget.frame().color(3), qRgb(0, 0, 0));
    EXPECT_EQ(widget.frame().pixelIndex(5, 0), pixels[5]);
}

TEST(FrameWidget, SizeFollowsZoomAndAspect)
{
    FrameWidget widget;
    const double ratio = widget.devicePixelRatioF();
    const struct
    {
        int zoom;
        bool aspect43;
    } rows[] = {{1, false}, {2, false}, {6, false}, {1, true}, {3, true}, {0, false}, {9, true}};
    for (const auto &row : rows) {
        widget.setZoom(row.zoom);
        widget.setAspect43(row.aspect43);
        const int scale = widget.deviceScale();
        const int zoom = std::clamp(row.zoom, 1, 6);
        EXPECT_EQ(widget.zoom(), zoom);
        EXPECT_EQ(widget.size(),
                  QSize(int(std::ceil(320 * scale / ratio - 1e-9)),
                        int(std::ceil((row.aspect43 ? 240 : 200) * scale / ratio - 1e-9))));
    }
}
