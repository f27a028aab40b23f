// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptfileaccess.h"

#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tessa {

namespace {

struct ScriptFileAccessTexts
{
    Q_DECLARE_TR_FUNCTIONS(tessa::ScriptFileAccess)
};

bool isInAny(const QString &path, const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (isInFolder(path, folder))
            return true;
    }
    return false;
}

} // namespace

QString resolvedPath(const QString &path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    // The deepest part that exists is resolved by the system; the names below it are kept.
    while (!QFileInfo::exists(existing)) {
        const QFileInfo info(existing);
        const QString parent = info.path();
        if (parent == existing)
            return QDir::cleanPath(existing + rest);
        rest = QLatin1Char('/') + info.fileName() + rest;
        existing = parent;
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((canonical.isEmpty() ? existing : canonical) + rest);
}

bool isInFolder(const QString &path, const QString &folder)
{
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity names = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity names = Qt::CaseSensitive;
#endif
    if (folder.isEmpty())
        return false;
    if (path.compare(folder, names) == 0)
        return true;
    const QString withSeparator =
            folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path.startsWith(withSeparator, names);
}

ScriptFileAccess::ScriptFileAccess(Dialogs &dialogs, QWidget *owner, const QString &scriptPath,
                                   const QString &documentPath, QStringList &allowedFolders)
    : m_dialogs(dialogs)
    , m_owner(owner)
    , m_scriptName(QFileInfo(scriptPath).fileName())
    , m_allowedFolders(allowedFolders)
{
    m_freeFolders << resolvedPath(QFileInfo(scriptPath).absolutePath());
    if (!documentPath.isEmpty())
        m_freeFolders << resolvedPath(QFileInfo(documentPath).absolutePath());
}

std::string ScriptFileAccess::check(const std::string &path, FileAccess access)
{
    const QString wanted = resolvedPath(QString::fromStdString(path));
    if (isInAny(wanted, m_freeFolders) || isInAny(wanted, m_allowedFolders))
        return {};
    const QString shown = QDir::toNativeSeparators(wanted);
    const std::string refusal =
            "the script was not allowed to reach \"" + shown.toStdString() + "\"";
    if (isInAny(wanted, m_refusedFolders))
        return refusal;

    const QString folder = QFileInfo(wanted).isDir() ? wanted : QFileInfo(wanted).path();
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
    const QString text = question.arg(m_scriptName, shown, QDir::toNativeSeparators(folder));
    const auto answer = m_dialogs.messageBox(m_owner, text, ScriptFileAccessTexts::tr("Run Script"),
                                             Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
    if (answer == Dialogs::Answer::Yes) {
        m_allowedFolders << folder;
        return {};
    }
    m_refusedFolders << folder;
    return refusal;
}

} // namespace tessa
