// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "links.h"

#include "platform/dialogs.h"

#include <QWidget>

namespace tessa {

void SetCursorToHand(QWidget *widget)
{
    widget->setCursor(Qt::PointingHandCursor);
}

void OpenFolder(Dialogs &dialogs, const QString &address)
{
    dialogs.openAddress(address);
}

} // namespace tessa
