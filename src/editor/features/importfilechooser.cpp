// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "importfilechooser.h"

#include "document/paths.h"
#include "editor/animdocument.h"
#include "editor/editorcontext.h"
#include "editor/rememberedfolders.h"
#include "platform/dialogs.h"

namespace tessa {

namespace {

QString startFolder(EditorContext &context)
{
    return context.folders().forAddition(RememberedFolders::Folder::Import,
                                         context.document().fileName());
}

void rememberFolderOf(EditorContext &context, const QString &path)
{
    context.folders().remember(RememberedFolders::Folder::Import,
                               QString::fromStdString(GetFolder(path.toStdString())));
}

} // namespace

QString chooseFileToImport(EditorContext &context, const QString &filter, const QString &title)
{
    int filterIndex = 0;
    const QString path = context.dialogs().ShowOpenDialog(
            context.owner(), filter, title, startFolder(context), QString(), filterIndex);
    if (!path.isEmpty())
        rememberFolderOf(context, path);
    return path;
}

QStringList chooseFilesToImport(EditorContext &context, const QString &filter, const QString &title)
{
    int filterIndex = 0;
    const QStringList paths = context.dialogs().ShowOpenFilesDialog(
            context.owner(), filter, title, startFolder(context), filterIndex);
    if (!paths.isEmpty())
        rememberFolderOf(context, paths.first());
    return paths;
}

} // namespace tessa
