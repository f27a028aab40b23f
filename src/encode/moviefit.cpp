// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "moviefit.h"

#include "document/animitem.h"
#include "imageio/framefit.h"
#include "imaging/palette.h"

namespace tessa {

namespace {

// A frame row of 320 x 200 shown at 4:3 is 240 / 200 times as tall as a column is wide.
constexpr double kRowHeight = 1.2;

} // namespace

std::optional<MovieFit> movieFitNamed(const std::string &name)
{
    if (name == "crop")
        return MovieFit::Crop;
    if (name == "pad")
        return MovieFit::Pad;
    if (name == "stretch")
        return MovieFit::Stretch;
    return std::nullopt;
}

std::vector<std::uint32_t> fitMoviePicture(const QImage &picture, MovieFit fit)
{
    FramePlacement place{kFrameWidth, kFrameHeight, 0, 0};
    const bool asItIs = picture.width() == kFrameWidth && picture.height() == kFrameHeight;
    if (!asItIs && fit != MovieFit::Stretch)
        place = placeInFrame(picture.width(), picture.height(),
                             fit == MovieFit::Crop ? FrameFit::Crop : FrameFit::Scale, kRowHeight);
    QImage scaled = picture.convertToFormat(QImage::Format_RGB32);
    if (!asItIs)
        scaled = scaled.scaled(place.width, place.height, Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);

    std::vector<std::uint32_t> rgb(kFrameSize, colorFromRgb(0, 0, 0));
    for (int y = 0; y < kFrameHeight; ++y) {
        const int v = y - place.top;
        if (v < 0 || v >= scaled.height())
            continue;
        const auto *row = reinterpret_cast<const QRgb *>(scaled.constScanLine(v));
        for (int x = 0; x < kFrameWidth; ++x) {
            const int u = x - place.left;
            if (u >= 0 && u < scaled.width())
                rgb[std::size_t(y * kFrameWidth + x)] =
                        colorFromRgb(std::uint8_t(qRed(row[u])), std::uint8_t(qGreen(row[u])),
                                     std::uint8_t(qBlue(row[u])));
        }
    }
    return rgb;
}

} // namespace tessa
