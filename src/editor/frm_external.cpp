// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Project > Edit Externally: a frame painted in the user's own image editor comes back into the
// animation each time it is saved there; and Edit > Preferences, which names that editor.
#include "frm.h"

#include "document/itemrules.h"
#include "document/paths.h"
#include "externaleditor.h"
#include "imageeditorcommand.h"
#include "itemlistview.h"
#include "language/uilanguage.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace tessa {

namespace {

constexpr const char *kToolsSection = "Tools";
constexpr const char *kImageEditorKey = "ImageEditor";
constexpr const char *kImageFormatKey = "ImageFormat";

QString formatName(ToolPreferences::ImageFormat format)
{
    return QLatin1String(format == ToolPreferences::ImageFormat::Bmp ? "bmp" : "png");
}

ToolPreferences readToolPreferences(const clsINI &settings)
{
    ToolPreferences tools;
    tools.imageEditor =
            QString::fromStdString(settings.ReadString(kToolsSection, kImageEditorKey, ""));
    const QString format =
            QString::fromStdString(settings.ReadString(kToolsSection, kImageFormatKey, "png"));
    if (format.trimmed().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        tools.imageFormat = ToolPreferences::ImageFormat::Bmp;
    tools.language =
            QString::fromStdString(settings.ReadString(kLanguageSection, kLanguageKey, ""));
    return tools;
}

} // namespace

void frm::createExternalEditing()
{
    QString folder = m_paths.editingFolder;
    if (folder.isEmpty())
        folder = QDir::tempPath() + QLatin1String("/tessarine-studio-editing");
    m_external = new ExternalEditor(folder, this);
    connect(m_external, &ExternalEditor::imageSaved, this, &frm::externalImageSaved);
    // New, Open and recovery replace the whole document, and only they reset the list: the
    // frames handed out belonged to the document that is gone.
    connect(m_document.model(), &QAbstractItemModel::modelAboutToBeReset, m_external,
            &ExternalEditor::stopAll);
}

int frm::externalEditLine() const
{
    const int sel = lst->currentRow();
    if (sel < 0 || sel >= m_document.count())
        return -1;
    return m_document.item(sel).isImage() ? sel : FindPreviousImage(m_document.items(), sel);
}

void frm::mnuProjectEditExternally_Click()
{
    const int line = externalEditLine();
    if (line < 0)
        return;
    const ToolPreferences tools = readToolPreferences(m_settings);
    // Named as File > Export names the image of that line: DEMOANIM-QLM-1 for line 1.
    const QString documentName =
            m_document.fileName().isEmpty() ? QStringLiteral("untitled") : m_document.fileName();
    const QString baseName =
            QFileInfo(QString::fromStdString(exportFileName(documentName.toStdString(), line)))
                    .completeBaseName();
    const auto path =
            m_external->writeFrame(m_document.itemId(line), baseName, m_document.item(line).Pixels,
                                   m_paletteColors, tools.imageFormat);
    if (!path) {
        showNotice(path.error());
        return;
    }
    if (!tools.imageEditor.trimmed().isEmpty()) {
        if (const auto failure = startImageEditor(tools.imageEditor, *path))
            ShowInfo(*failure);
        return;
    }
    if (!m_dialogs.openFile(*path))
        ShowInfo(tr("No program is set to open %1 files.\r\nChoose an image editor in "
                    "Edit > Preferences.")
                         .arg(formatName(tools.imageFormat).toUpper()));
}

void frm::externalImageSaved(ItemId id, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    int line = m_document.lineOf(id);
    if (line < 0 || !m_document.item(line).isImage()) {
        showNote(tr("%1 was saved, but its image is no longer in the animation.").arg(name));
        return;
    }
    // Matched as Import Image matches a file at this line: against the image above it.
    std::vector<std::uint8_t> previous;
    if (const int above = FindPreviousImage(m_document.items(), line); above >= 0) {
        const PixelBuffer &pixels = m_document.item(above).Pixels;
        previous.assign(pixels.begin(), pixels.end());
    }
    auto pixels = importFrame(path, previous);
    // The Import Image preview may have been open meanwhile.
    line = m_document.lineOf(id);
    if (!pixels || line < 0)
        return;
    const PixelBuffer &current = m_document.item(line).Pixels;
    if (std::equal(pixels->begin(), pixels->end(), current.begin(), current.end()))
        return; // saved without a change, or our own copy of the frame
    AnimItem item = makeImageItem(std::move(*pixels));
    const QString text = QString::fromStdString(listLine(item));
    changeDocument(
            [&] { m_document.replaceItem(line, std::move(item), text, tr("Update Image")); });
    showNote(tr("Updated the image on line %1 from %2.").arg(line + 1).arg(name));
}

void frm::mnuEditPreferences_Click()
{
    const ToolPreferences current = readToolPreferences(m_settings);
    const auto chosen = m_dialogs.editPreferences(this, current);
    if (!chosen)
        return;
    // Only what changed is written, so OK on an unchanged dialog leaves the file alone.
    if (chosen->imageEditor != current.imageEditor)
        m_settings.WriteValue(kToolsSection, kImageEditorKey, chosen->imageEditor.toStdString());
    if (chosen->imageFormat != current.imageFormat)
        m_settings.WriteValue(kToolsSection, kImageFormatKey,
                              formatName(chosen->imageFormat).toStdString());
    if (chosen->language != current.language) {
        m_settings.WriteValue(kLanguageSection, kLanguageKey, chosen->language.toStdString());
        applyLanguage(chosen->language);
    }
}

} // namespace tessa
