// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptfileaccess.h"

#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tessa {

namespace {

struct ScriptFileAccessTexts
{
    Q_DECLARE_TR_FUNCTIONS(tessa::ScriptFileAccess)
};

std::vector<std::string> freeFolders(const QString &scriptPath, const QString &documentPath)
{
    std::vector<std::string> folders{QFileInfo(scriptPath).absolutePath().toStdString()};
    if (!documentPath.isEmpty())
        folders.push_back(QFileInfo(documentPath).absolutePath().toStdString());
    return folders;
}

std::vector<std::string> toStrings(const QStringList &folders)
{
    std::vector<std::string> strings;
    for (const QString &folder : folders)
        strings.push_back(folder.toStdString());
    return strings;
}

} // namespace

ScriptFileAccess::ScriptFileAccess(Dialogs &dialogs, QWidget *owner, const QString &scriptPath,
                                   const QString &documentPath, QStringList &allowedFolders)
    : m_dialogs(dialogs)
    , m_owner(owner)
    , m_scriptName(QFileInfo(scriptPath).fileName())
    , m_allowedFolders(allowedFolders)
    , m_allowed(toStrings(allowedFolders))
    , m_rules(freeFolders(scriptPath, documentPath), m_allowed,
              [this](const std::string &path, const std::string &folder, FileAccess access) {
                  return ask(path, folder, access);
              })
{
}

Expected<std::string, std::string> ScriptFileAccess::check(std::string_view path, FileAccess access)
{
    return m_rules.check(path, access);
}

bool ScriptFileAccess::ask(const std::string &path, const std::string &folder, FileAccess access)
{
    // Whole sentences, so that a translation may put the words in its own order.
    const QString question =
            access == FileAccess::Write
                    ? ScriptFileAccessTexts::tr(
                            "The script %1 wants to change %2, outside its own folder and the "
                            "animation's folder.\n\nLet it read and change the files in %3 until "
                            "the editor closes?")
                    : ScriptFileAccessTexts::tr(
                            "The script %1 wants to read %2, outside its own folder and the "
                            "animation's folder.\n\nLet it read and change the files in %3 until "
                            "the editor closes?");
    const QString text = question.arg(m_scriptName, QString::fromStdString(path),
                                      QString::fromStdString(folder));
    const auto answer = m_dialogs.messageBox(m_owner, text, ScriptFileAccessTexts::tr("Run Script"),
                                             Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return false;
    m_allowedFolders << QString::fromStdString(folder);
    return true;
}

} // namespace tessa
