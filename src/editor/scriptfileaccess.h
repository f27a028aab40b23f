// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scripting/scriptobjects.h"

#include <QString>
#include <QStringList>

#include <string>

class QWidget;

namespace tessa {

class Dialogs;

// Which files a script run from the editor may reach: anything in its own folder and in the
// animation's folder (and below them); anywhere else only once the user allowed it. The first
// file outside brings a question naming the script and the file; Yes lets the script reach that
// file's folder for as long as the editor runs (`allowedFolders`, kept by the caller), No
// refuses it and every later file of that folder for the rest of the run, without asking again.
class ScriptFileAccess
{
public:
    ScriptFileAccess(Dialogs &dialogs, QWidget *owner, const QString &scriptPath,
                     const QString &documentPath, QStringList &allowedFolders);

    // "" when the script may reach `path`, else why not.
    std::string check(const std::string &path, FileAccess access);

private:
    Dialogs &m_dialogs;
    QWidget *m_owner;
    QString m_scriptName;
    QStringList m_freeFolders;
    QStringList &m_allowedFolders;
    QStringList m_refusedFolders;
};

// `path` made absolute, with its links followed as far as it exists, so that "..", a link or
// another spelling of a name cannot lead a script out of a folder it may use.
QString resolvedPath(const QString &path);
// Whether `path` is `folder` or lies below it (both resolved).
bool isInFolder(const QString &path, const QString &folder);

} // namespace tessa
