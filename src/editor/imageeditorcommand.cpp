// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageeditorcommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace tessa {

namespace {

const QLatin1String kFilePlaceholder("%f");

} // namespace

QStringList imageEditorCommand(const QString &commandLine, const QString &file)
{
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return {};
    const QString native = QDir::toNativeSeparators(file);
    bool named = false;
    for (QString &word : words) {
        if (word.contains(kFilePlaceholder)) {
            word.replace(kFilePlaceholder, native);
            named = true;
        }
    }
    if (!named)
        words << native;
    return words;
}

std::optional<QString> startImageEditor(const QString &commandLine, const QString &file)
{
    QStringList words = imageEditorCommand(commandLine, file);
    if (words.isEmpty())
        return QCoreApplication::translate("tessa::frm",
                                           "The image editor's command line is empty.");
    const QString program = words.takeFirst();
    if (QProcess::startDetached(program, words))
        return std::nullopt;
    return QCoreApplication::translate("tessa::frm",
                                       "The image editor \"%1\" could not be started.\r\n"
                                       "Check its command line in Edit > Preferences.")
            .arg(QDir::toNativeSeparators(program));
}

} // namespace tessa
