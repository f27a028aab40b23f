// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"

#include <QImage>

namespace tessa {

// What to do with an image that is not 320 x 200.
enum class FrameFit {
    Refuse, // say so and take nothing
    Centre, // unscaled in the middle: cut evenly where it is larger, black where it is smaller
    Crop,   // scaled to cover the whole frame, keeping its proportions, the excess cut evenly
    Scale,  // scaled to fit inside the frame, keeping its proportions, black bars around it
};

// `image` as a 320 x 200 picture by `fit`, scaled with nearest neighbour. An indexed image stays
// indexed with its colour table (filled with its darkest colour); any other comes back as
// RGB32 (filled with black). A 320 x 200 image comes back as it is, whatever `fit` says.
// `sizeInFile`, when valid, is the picture's size in its file, for an `image` read scaled down
// (ImageRead): Refuse then goes by it.
Expected<QImage, Notice> fitToFrame(const QImage &image, FrameFit fit, QSize sizeInFile = {});

// Where a picture of `width` x `height` lies in the frame when fitted by `fit` (Crop or Scale;
// anything else leaves it unscaled): its size in frame pixels and its top-left corner, which may
// lie outside the frame when the picture is cut. `rowHeight` is how tall a frame pixel is shown,
// in widths: 1 for square pixels, 1.2 for the 320 x 200 screen shown at 4:3.
struct FramePlacement
{
    int width, height, left, top;
};
FramePlacement placeInFrame(int width, int height, FrameFit fit, double rowHeight = 1.0);

// The refusal of a picture of the wrong size: "The image is 640 x 480 pixels, not 320 x 200."
Notice wrongSizeNotice(int width, int height);

} // namespace tessa
