// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholescrollarea.h"

#include <QEvent>

#include <algorithm>

namespace tessa {

WholeScrollArea::WholeScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
}

QSize WholeScrollArea::sizeHint() const
{
    const QWidget *shown = widget();
    if (!shown)
        return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    if (!widgetResizable())
        return shown->size() + QSize(frame, frame);
    QSize whole = shown->sizeHint().expandedTo(shown->minimumSizeHint());
    // Lines that wrap at that width may take more than the hint says.
    if (shown->hasHeightForWidth())
        whole.setHeight(std::max(whole.height(), shown->heightForWidth(whole.width())));
    return whole + QSize(frame, frame);
}

bool WholeScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

} // namespace tessa
