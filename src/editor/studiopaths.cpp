// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "studiopaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tessa {

StudioPaths currentStudioPaths()
{
    StudioPaths paths;
    paths.programFolder = QCoreApplication::applicationDirPath();
    const QString fileName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                             + QLatin1String(".ini");
    if (QFileInfo(paths.programFolder).isWritable()) {
        paths.settingsFile = paths.programFolder + QLatin1Char('/') + fileName;
    } else {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QDir().mkpath(folder);
        paths.settingsFile = folder + QLatin1Char('/') + fileName;
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    paths.recoveryFolder = data + QLatin1String("/recovery");
    paths.editingFolder = data + QLatin1String("/editing");
    return paths;
}

} // namespace tessa
