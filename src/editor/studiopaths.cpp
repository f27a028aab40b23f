// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "studiopaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tessa {

namespace {

// Whether a settings file can be written in `folder`. On Windows the folder's flags say nothing
// of its permissions (Program Files looks writable and is not), so a file is made there and
// removed at once; an existing settings file only needs to open for writing.
bool canWriteSettingsIn(const QString &folder, const QString &fileName)
{
    QFile existing(folder + QLatin1Char('/') + fileName);
    if (existing.exists())
        return existing.open(QIODevice::ReadWrite);
    QTemporaryFile probe(folder + QLatin1String("/write-test-XXXXXX"));
    return probe.open();
}

} // namespace

StudioPaths currentStudioPaths()
{
    StudioPaths paths;
    paths.programFolder = QCoreApplication::applicationDirPath();
    const QString fileName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                             + QLatin1String(".ini");
    if (canWriteSettingsIn(paths.programFolder, fileName)) {
        paths.settingsFile = paths.programFolder + QLatin1Char('/') + fileName;
    } else {
        // The user's roaming application data on Windows, ~/.config/<program> elsewhere.
#ifdef Q_OS_WIN
        const auto where = QStandardPaths::AppDataLocation;
#else
        const auto where = QStandardPaths::AppConfigLocation;
#endif
        const QString folder = QStandardPaths::writableLocation(where);
        QDir().mkpath(folder);
        paths.settingsFile = folder + QLatin1Char('/') + fileName;
    }
    // Recovery copies and working files stay on this computer (Windows' local application data,
    // not the roaming one that follows the user around a network).
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    paths.recoveryFolder = data + QLatin1String("/recovery");
    paths.editingFolder = data + QLatin1String("/editing");
    // Scripts are the user's own work: they follow the user as the settings do.
#ifdef Q_OS_WIN
    const auto config = QStandardPaths::AppDataLocation;
#else
    const auto config = QStandardPaths::AppConfigLocation;
#endif
    paths.scriptsFolder = QStandardPaths::writableLocation(config) + QLatin1String("/scripts");
    // Beside the program in the Windows zip and the build, in share/ once installed on Linux.
    for (const QString &examples :
         {paths.programFolder + QLatin1String("/scripts"),
          paths.programFolder + QLatin1String("/../share/tessarine-studio/scripts")}) {
        if (QFileInfo(examples).isDir()) {
            paths.examplesFolder = QDir::cleanPath(examples);
            break;
        }
    }
    return paths;
}

} // namespace tessa
