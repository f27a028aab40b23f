// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturelabel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessa {

void PictureLabel::paintEvent(QPaintEvent *event)
{
    const QPixmap shown = pixmap();
    if (shown.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QSize logical = shown.deviceIndependentSize().toSize();
    // Device pixels per logical pixel of what is really painted on (the screen, or an image
    // when the label is rendered).
    const QTransform toDevice = painter.deviceTransform();
    const double ratio = toDevice.m11();
    if (ratio == std::floor(ratio)) {
        // The label is exactly the frame's size in logical pixels: the painter's device transform
        // takes it to device pixels, and without smoothing each pixel is repeated, never blended.
        painter.drawPixmap(QRect(QPoint(0, 0), logical), shown);
        return;
    }
    // At a fractional ratio stretching would make some columns one device pixel wide and others
    // two. Each pixel becomes the largest whole block that fits instead, centred in the label
    // and placed on whole device pixels.
    const int scale = std::max(1, int(std::floor(ratio)));
    QPixmap device = scale == 1 ? shown
                                : shown.scaled(shown.size() * scale, Qt::IgnoreAspectRatio,
                                               Qt::FastTransformation);
    device.setDevicePixelRatio(ratio);
    const QPointF origin = toDevice.map(QPointF(0, 0));
    const QPointF corner(std::round(origin.x() + (logical.width() * ratio - device.width()) / 2),
                         std::round(origin.y() + (logical.height() * ratio - device.height()) / 2));
    painter.drawPixmap((corner - origin) / ratio, device);
}

} // namespace tessa
