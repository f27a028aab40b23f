// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Files dropped on the window: the features that take files come first (images and movies are
// imported), then an animation is opened.
#include "frm.h"

#include "document/animfile.h"
#include "editorcontext.h"
#include "itemlistview.h"

#include <QDropEvent>

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
    for (const auto &take : m_fileDrops) {
        if (take(paths, lst->currentRow()))
            return;
    }
    // Read before anything is asked or closed: a file that is no animation changes nothing.
    const QString path = AnimDocument::absolutePath(paths.first());
    auto loaded = loadAnimation(path.toStdString());
    if (!loaded) {
        m_context->showNotice(loaded.error());
        return;
    }
    if (!m_context->mayDiscardChanges())
        return;
    // Saving may have written the very file dropped: read what is there now.
    if (!m_document.isModified() && m_document.fileName() == path) {
        loaded = loadAnimation(path.toStdString());
        if (!loaded) {
            m_context->showNotice(loaded.error());
            return;
        }
    }
    showLoaded(std::move(*loaded), path);
    emit m_context->documentReplaced();
}

} // namespace tessa
