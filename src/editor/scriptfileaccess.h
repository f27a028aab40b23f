// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scripting/scriptfilerules.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace tessa {

class Dialogs;

// Which files a script run from the editor may reach: the rules of scriptfilerules.h with the
// script's own folder and the animation's folder free, and the question asked in a message box
// naming the script and the file. Yes lets the script reach that file's folder for as long as
// the editor runs (`allowedFolders`, kept by the caller).
class ScriptFileAccess
{
public:
    ScriptFileAccess(Dialogs &dialogs, QWidget *owner, const QString &scriptPath,
                     const QString &documentPath, QStringList &allowedFolders);

    // The path to open for `path`, or why the script may not reach it.
    Expected<std::string, std::string> check(std::string_view path, FileAccess access);

private:
    bool ask(const std::string &path, const std::string &folder, FileAccess access);

    Dialogs &m_dialogs;
    QWidget *m_owner;
    QString m_scriptName;
    QStringList &m_allowedFolders;
    std::vector<std::string> m_allowed;
    ScriptFileRules m_rules;
};

} // namespace tessa
