// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tessa {

// The picture box: a label that draws its pixmap over its whole rectangle with nearest-neighbour
// scaling, so that on a screen scaled 2x every frame pixel is a clean 2 x 2 block of device
// pixels instead of a smoothed blur. At scale 1 it shows exactly what a plain label shows. At a
// fractional scale (1.5) every pixel is a whole number of device pixels (1), so the picture is
// smaller than the label and centred in it: the window keeps its layout.
class PictureLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tessa
