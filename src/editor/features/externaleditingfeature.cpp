// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "externaleditingfeature.h"

#include "document/paths.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/externaleditor.h"
#include "editor/imageeditorcommand.h"
#include "editor/studiopaths.h"
#include "frameimport.h"
#include "platform/dialogs.h"
#include "toolsettings.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace tessa {

ExternalEditingFeature::ExternalEditingFeature(EditorContext &context)
    : m_context(context)
{
    context.commands().add({.name = QStringLiteral("EditExternally"),
                            .menu = QStringLiteral("Project"),
                            .place = 220,
                            .text = [] { return tr("Edit E&xternally"); },
                            .shortcuts = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
                            .run = [this] { editExternally(); },
                            .enabled = [this] { return externalEditLine() >= 0; }});

    QString folder = context.paths().editingFolder;
    if (folder.isEmpty())
        folder = QDir::tempPath() + QLatin1String("/tessarine-studio-editing");
    m_external = new ExternalEditor(folder, this);
    connect(m_external, &ExternalEditor::imageSaved, this, &ExternalEditingFeature::imageSaved);
    // New, Open and recovery replace the whole document, and only they reset the list: the
    // frames handed out belonged to the document that is gone.
    connect(context.document().model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_external->stopAll();
        m_waiting.clear();
    });
    connect(&context.document(), &AnimDocument::outsideChangesReleased, this, [this] {
        const auto waiting = std::exchange(m_waiting, {});
        for (const auto &[id, path] : waiting)
            takeImage(id, path);
    });
}

int ExternalEditingFeature::externalEditLine() const
{
    const AnimDocument &document = m_context.document();
    const int sel = m_context.selectedLine();
    if (sel < 0 || sel >= document.count())
        return -1;
    return document.item(sel).isImage() ? sel : FindPreviousImage(document.items(), sel);
}

void ExternalEditingFeature::editExternally()
{
    const int line = externalEditLine();
    if (line < 0)
        return;
    const AnimDocument &document = m_context.document();
    const ToolPreferences tools = readToolPreferences(m_context.settings());
    // Named as File > Export names the image of that line: DEMOANIM-QLM-1 for line 1.
    const QString documentName =
            document.fileName().isEmpty() ? QStringLiteral("untitled") : document.fileName();
    const QString baseName =
            QFileInfo(QString::fromStdString(exportFileName(documentName.toStdString(), line)))
                    .completeBaseName();
    const auto path =
            m_external->writeFrame(document.itemId(line), baseName, document.item(line).Pixels,
                                   m_context.paletteColors(), tools.imageFormat);
    if (!path) {
        m_context.showNotice(path.error());
        return;
    }
    if (!tools.imageEditor.trimmed().isEmpty()) {
        if (const auto failure = startImageEditor(tools.imageEditor, *path))
            m_context.ShowInfo(*failure);
        return;
    }
    if (!m_context.dialogs().openFile(*path))
        m_context.ShowInfo(tr("No program is set to open %1 files.\r\nChoose an image editor in "
                              "Edit > Preferences.")
                                   .arg(imageFormatName(tools.imageFormat).toUpper()));
}

void ExternalEditingFeature::imageSaved(ItemId id, const QString &path)
{
    // A script works on the document: the update comes after its step, not into the middle of
    // it, where taking the script's changes back would take it too.
    if (m_context.document().outsideChangesHeld()) {
        m_waiting[id] = path;
        return;
    }
    takeImage(id, path);
}

void ExternalEditingFeature::takeImage(ItemId id, const QString &path)
{
    AnimDocument &document = m_context.document();
    const QString name = QFileInfo(path).fileName();
    int line = document.lineOf(id);
    if (line < 0 || !document.item(line).isImage()) {
        m_context.showNote(
                tr("%1 was saved, but its image is no longer in the animation.").arg(name));
        return;
    }
    // Matched as Import Image matches a file at this line: against the image above it.
    auto pixels =
            FrameImport::importFrame(m_context, path, FrameImport::pixelsAbove(document, line));
    // The Import Image preview may have been open meanwhile.
    line = document.lineOf(id);
    if (!pixels || line < 0)
        return;
    const PixelBuffer &current = document.item(line).Pixels;
    if (std::equal(pixels->begin(), pixels->end(), current.begin(), current.end()))
        return; // saved without a change, or our own copy of the frame
    AnimItem item = makeImageItem(std::move(*pixels));
    const QString text = QString::fromStdString(listLine(item));
    m_context.changeDocument(
            [&] { document.replaceItem(line, std::move(item), text, tr("Update Image")); });
    m_context.showNote(tr("Updated the image on line %1 from %2.").arg(line + 1).arg(name));
}

} // namespace tessa
