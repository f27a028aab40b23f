// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturelabel.h"

#include <QPainter>

namespace tessa {

void PictureLabel::paintEvent(QPaintEvent *event)
{
    const QPixmap shown = pixmap();
    if (shown.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    // The label is exactly the frame's size in logical pixels: the painter's device transform
    // takes it to device pixels, and without smoothing each pixel is repeated, never blended.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QSize logical = shown.deviceIndependentSize().toSize();
    painter.drawPixmap(QRect(QPoint(0, 0), logical), shown);
}

} // namespace tessa
