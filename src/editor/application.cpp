// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include <QGuiApplication>

namespace tessa {

void describeApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("tessarine-studio"));
    QGuiApplication::setApplicationVersion(QStringLiteral(TESSA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("tessarine-studio"));
}

} // namespace tessa
