// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tessa {

// Where the program lives and where it keeps its settings.
struct StudioPaths
{
    QString programFolder;  // the default of every remembered folder
    QString settingsFile;   // "<program folder>/<executable base name>.ini", see below
    QString recoveryFolder; // copies of unsaved work; "" keeps none
    QString editingFolder;  // frames being edited in another program; "" for a temporary folder
    QString scriptsFolder;  // the user's own scripts, listed in Tools > Scripts; "" for none
    QString examplesFolder; // the example scripts that come with the program; "" for none
};

// The paths of the running program. The settings file lies beside the executable; when that
// folder cannot be written (an installed program), it lies in the user's configuration folder
// instead (the roaming application data folder on Windows), so that remembering a folder does not
// fail every time. Recovery copies and working files are in the local application data folder.
StudioPaths currentStudioPaths();

} // namespace tessa
