// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Files dropped on the window: images and movies are imported, an animation is opened.
#include "frm.h"

#include "document/animfile.h"
#include "document/itemrules.h"
#include "itemlistview.h"

#include <QDropEvent>
#include <QFileInfo>

namespace tessa {

void frm::dragEnterEvent(QDragEnterEvent *event)
{
    if (!ItemListView::localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frm::dropEvent(QDropEvent *event)
{
    const QStringList paths = ItemListView::localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // Not while the drop is still going on: the questions below are modal.
    QMetaObject::invokeMethod(
            this, [this, paths] { dropFiles(paths); }, Qt::QueuedConnection);
}

void frm::dropFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const QStringList images = ItemListView::imageFiles(paths);
    if (!images.isEmpty()) {
        const int line = lst->currentRow();
        if (!m_document.isOpen() || !offeredAt(m_document.items(), line).add[0]) {
            showNote(tr("Open or begin an animation to add images to it."));
            return;
        }
        importImages(images, line);
        return;
    }
    // A movie, or a folder of numbered pictures, goes in before the selected line.
    const QString first = paths.first();
    if (isMovieFile(first) || QFileInfo(first).isDir()) {
        importMovie(first, lst->currentRow());
        return;
    }
    // Read before anything is asked or closed: a file that is no animation changes nothing.
    const QString path = AnimDocument::absolutePath(paths.first());
    auto loaded = loadAnimation(path.toStdString());
    if (!loaded) {
        showNotice(loaded.error());
        return;
    }
    if (!mayDiscardChanges())
        return;
    // Saving may have written the very file dropped: read what is there now.
    if (!m_document.isModified() && m_document.fileName() == path) {
        loaded = loadAnimation(path.toStdString());
        if (!loaded) {
            showNotice(loaded.error());
            return;
        }
    }
    showLoaded(std::move(*loaded), path);
    reportReplacedChanges();
}

} // namespace tessa
