// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framefit.h"

#include "document/animitem.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

template<typename Pixel>
void resample(const QImage &from, QImage &to, const FramePlacement &place, Pixel fill)
{
    for (int y = 0; y < kFrameHeight; ++y) {
        auto *out = reinterpret_cast<Pixel *>(to.scanLine(y));
        const int v = y - place.top;
        if (v < 0 || v >= place.height) {
            std::fill_n(out, kFrameWidth, fill);
            continue;
        }
        const auto *in = reinterpret_cast<const Pixel *>(
                from.constScanLine(int(std::int64_t(v) * from.height() / place.height)));
        for (int x = 0; x < kFrameWidth; ++x) {
            const int u = x - place.left;
            out[x] = u < 0 || u >= place.width ? fill
                                               : in[std::int64_t(u) * from.width() / place.width];
        }
    }
}

uchar darkestIndex(const QList<QRgb> &table)
{
    int best = 0;
    for (int i = 1; i < table.size(); ++i) {
        if (qGray(table[i]) < qGray(table[best]))
            best = i;
    }
    return uchar(best);
}

} // namespace

FramePlacement placeInFrame(int width, int height, FrameFit fit, double rowHeight)
{
    double scale = 1.0;
    const double across = double(kFrameWidth) / width;
    const double down = kFrameHeight * rowHeight / height;
    if (fit == FrameFit::Crop)
        scale = std::max(across, down);
    else if (fit == FrameFit::Scale)
        scale = std::min(across, down);
    const int w = std::max(1, int(std::lround(width * scale)));
    const int h = std::max(1, int(std::lround(height * scale / rowHeight)));
    return {w, h, (kFrameWidth - w) / 2, (kFrameHeight - h) / 2};
}

Notice wrongSizeNotice(int width, int height)
{
    return Notice::info("The image is " + std::to_string(width) + " x " + std::to_string(height)
                        + " pixels, not 320 x 200.");
}

Expected<QImage, Notice> fitToFrame(const QImage &image, FrameFit fit, QSize sizeInFile)
{
    if (image.isNull())
        return Unexpected{Notice::info("The image holds no pixels.")};
    const QSize original = sizeInFile.isValid() ? sizeInFile : image.size();
    if (fit == FrameFit::Refuse && original != QSize(kFrameWidth, kFrameHeight))
        return Unexpected{wrongSizeNotice(original.width(), original.height())};
    if (image.width() == kFrameWidth && image.height() == kFrameHeight)
        return image;
    if (fit == FrameFit::Refuse)
        return Unexpected{wrongSizeNotice(image.width(), image.height())};

    const FramePlacement place = placeInFrame(image.width(), image.height(), fit);
    if (image.format() == QImage::Format_Indexed8) {
        QImage frame(kFrameWidth, kFrameHeight, QImage::Format_Indexed8);
        frame.setColorTable(image.colorTable());
        resample<uchar>(image, frame, place, darkestIndex(image.colorTable()));
        return frame;
    }
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage frame(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    resample<QRgb>(source, frame, place, qRgb(0, 0, 0));
    return frame;
}

} // namespace tessa
