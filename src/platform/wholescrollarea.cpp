// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholescrollarea.h"

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
    const QSize whole = widgetResizable() ? shown->sizeHint().expandedTo(shown->minimumSizeHint())
                                          : shown->size();
    return whole + QSize(frame, frame);
}

} // namespace tessa
