// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the picture shows for each line, in which colours.
#include "editor/picture.h"
#include "editorfixture.h"

#include <QLabel>
#include <QPixmap>

using namespace tessa;
using namespace tessa::test;

namespace {

QRgb rgbOf(std::uint32_t color)
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QImage shown(const frm &w)
{
    return w.pic->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(CreatePicture, EveryPixelTakesItsPaletteColour)
{
    PaletteColors colors{};
    for (std::uint32_t i = 0; i < 256; ++i)
        colors[i] = i + ((255 - i) << 8) + ((i * 7 % 256) << 16);
    Bytes frame(kFrameSize);
    for (std::size_t i = 0; i < frame.size(); ++i)
        frame[i] = std::uint8_t(i * 31 % 251);
    const QImage picture = CreatePicture(320, 200, frame, colors);
    ASSERT_EQ(picture.size(), QSize(320, 200));
    for (const QPoint at :
         {QPoint(0, 0), QPoint(319, 0), QPoint(0, 199), QPoint(319, 199), QPoint(123, 45)}) {
        const std::uint8_t index = frame[std::size_t(at.y() * 320 + at.x())];
        EXPECT_EQ(picture.pixel(at), rgbOf(colors[index])) << at.x() << "," << at.y();
    }
    const QImage shortFrame = CreatePicture(320, 200, Bytes(100, 5), colors);
    EXPECT_EQ(shortFrame.pixel(99, 0), rgbOf(colors[5]));
    EXPECT_EQ(shortFrame.pixel(100, 0), rgbOf(colors[0])) << "missing pixels are index 0";
}

TEST(CreatePicture, AnySizeInTheScreensOwnFormat)
{
    PaletteColors colors{};
    for (std::uint32_t i = 0; i < 256; ++i)
        colors[i] = (i * 0x010203u) & 0xFFFFFF;
    // Widths that are not a multiple of the eight pixels done per step, and frames cut short
    // inside a row.
    for (const QSize size :
         {QSize(1, 1), QSize(7, 3), QSize(9, 2), QSize(13, 5), QSize(320, 200)}) {
        const auto count = std::size_t(size.width() * size.height());
        for (const std::size_t given : {count, count / 2 + 1, std::size_t(0)}) {
            Bytes frame(given);
            for (std::size_t i = 0; i < given; ++i)
                frame[i] = std::uint8_t(i * 7 + 1);
            const QImage picture = CreatePicture(size.width(), size.height(), frame, colors);
            ASSERT_EQ(picture.size(), size);
            EXPECT_EQ(picture.format(), QImage::Format_RGB32) << "shown without a conversion";
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x) {
                    const auto at = std::size_t(y * size.width() + x);
                    ASSERT_EQ(picture.pixel(x, y), rgbOf(colors[at < given ? frame[at] : 0]))
                            << size.width() << "x" << size.height() << " at " << x << "," << y;
                }
            }
        }
    }
    EXPECT_TRUE(CreatePicture(0, 0, {}, colors).isNull());
}

TEST_F(EditorTest, EachLineShowsTheImageAtOrAboveIt)
{
    start();
    Bytes first = frameOf(0);
    first[0] = 40;
    open(writeAnimation("SHOWANIM.QLM", {makeImageItem(first), makeFadeOutItem(),
                                         makeImageItem(frameOf(60)), makeEndItem()}));
    const PaletteColors colors = paletteColorsFromData(builtInPalette(0));

    EXPECT_EQ(shown(*window).pixel(0, 0), rgbOf(colors[40]));
    EXPECT_EQ(shown(*window).pixel(1, 0), rgbOf(colors[0]));
    EXPECT_EQ(shown(*window).size(), QSize(320, 200));
    select(1);
    EXPECT_FALSE(window->pic->isHidden());
    EXPECT_EQ(shown(*window).pixel(0, 0), rgbOf(colors[40])) << "a fade shows the image above";
    select(3);
    EXPECT_EQ(shown(*window).pixel(5, 5), rgbOf(colors[60]));

    window->mnuPaletteSel[1]->trigger();
    const PaletteColors extra = paletteColorsFromData(builtInPalette(1));
    EXPECT_EQ(shown(*window).pixel(5, 5), rgbOf(extra[60])) << "redrawn at once";
    EXPECT_EQ(window->items()[2].Pixels, frameOf(60)) << "indices unchanged";
}

TEST_F(EditorTest, ALineWithNoImageAboveHidesThePicture)
{
    start();
    newDocument();
    ASSERT_FALSE(window->pic->isHidden());
    // While New waits for its first image, "End" stands alone, with no image above it.
    bool hiddenMeanwhile = false;
    dialogs.onAsk = [&](const DialogCall &) { hiddenMeanwhile = window->pic->isHidden(); };
    dialogs.answerOpen(QString());
    window->mnuFileNew->trigger();
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_FALSE(window->mnuFileExportFrame->isEnabled());
}
