// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export: images written as BMP files in the current palette.
#include "frm.h"

#include "busycursor.h"
#include "document/animfile.h"
#include "document/fileio.h"
#include "document/paths.h"
#include "editorcontext.h"
#include "filters.h"
#include "imageio/imagefile.h"
#include "imaging/bmp.h"
#include "itemlistview.h"
#include "platform/dialogs.h"

#include <QDir>

namespace tessa {

namespace {

// Writes the BMP file of an image item in `colors`; the failure, if any.
std::optional<Notice> exportImage(const QString &path, const AnimItem &item,
                                  const PaletteColors &colors)
{
    const std::vector<std::uint8_t> bytes =
            AddBMPHeader(kFrameWidth, kFrameHeight, item.Pixels, colors);
    // Replaced whole, so nothing of a longer old file can remain after the new bytes.
    auto written = replaceFile(path.toStdString(), bytes, Backup::None);
    if (!written)
        return fileFailureNotice(written.error());
    return std::nullopt;
}

} // namespace

void frm::mnuFileExportAnimation_Click()
{
    const QString folder =
            m_dialogs.BrowseForFolder(m_folders.folder(RememberedFolders::Folder::Export), this,
                                      tr("Export Animation Frames"), true);
    if (folder.isEmpty())
        return;
    BusyCursor busy(this);
    m_folders.remember(RememberedFolders::Folder::Export, folder);
    const std::string animation = m_document.fileName().toStdString();
    const ItemList &items = m_document.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].isImage())
            continue;
        const std::string name = exportFileName(animation, int(i));
        // Shown in messages, so written with the system's separators.
        const QString path =
                QDir::toNativeSeparators(QDir(folder).filePath(QString::fromStdString(name)));
        if (auto failure = exportImage(path, items[i], m_paletteColors)) {
            busy.restore();
            m_context->showNotice(*failure);
            return;
        }
    }
    busy.restore();
    m_dialogs.beep();
}

void frm::mnuFileExportFrame_Click()
{
    const int p = lst->currentRow();
    if (p < 0 || p >= m_document.count() || !m_document.item(p).isImage())
        return;
    const QString proposed =
            QString::fromStdString(exportFileName(m_document.fileName().toStdString(), p));
    int filterIndex = 0;
    const QString path =
            m_dialogs.ShowSaveDialog(this, shownFilter(kBitmapFilter), tr("Export Frame"),
                                     m_folders.folder(RememberedFolders::Folder::Export),
                                     QStringLiteral("bmp"), proposed, filterIndex);
    if (path.isEmpty())
        return;
    m_folders.remember(RememberedFolders::Folder::Export,
                       QString::fromStdString(GetFolder(path.toStdString())));
    // A name ending in .png asks for an indexed PNG in the same palette instead of a BMP.
    if (isPngPath(path)) {
        auto written =
                writeIndexedPng(path.toStdString(), m_document.item(p).Pixels, m_paletteColors);
        if (!written)
            m_context->showNotice(written.error());
        return;
    }
    if (auto failure = exportImage(path, m_document.item(p), m_paletteColors))
        m_context->showNotice(*failure);
}

} // namespace tessa
