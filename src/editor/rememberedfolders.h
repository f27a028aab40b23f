// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tessa {

class clsINI;

// The folders the dialogs start in, kept in the settings file: read once at start-up, and each
// written at once by the command that replaces it, never at start-up or close.
class RememberedFolders
{
public:
    enum class Folder { Animation, Export, Import, Palette, Movie };

    // `settings` must outlive the folders.
    explicit RememberedFolders(clsINI &settings);

    // Reads every folder from the settings as loaded; `programFolder` for each one missing.
    void read(const QString &programFolder);
    const QString &folder(Folder which) const;
    // `folder` becomes the folder of `which` and is written at once, with the system's
    // separators (C:\Games\Tessarine on Windows).
    void remember(Folder which, const QString &folder);
    // Where a dialog that adds to the document starts: the folder remembered, or while none was
    // ever written, the folder of `documentFile` (when there is one) rather than the program's.
    QString forAddition(Folder which, const QString &documentFile) const;

private:
    // The member that holds `which`.
    static QString RememberedFolders::*variable(Folder which);

    clsINI &m_settings;
    QString AnimationPath;
    QString ExportPath;
    QString ImportPath;
    QString PalettePath;
    QString MoviePath; // in a section of its own, beside the four of "Paths"
};

} // namespace tessa
