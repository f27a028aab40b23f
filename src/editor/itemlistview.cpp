// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemlistview.h"

#include "imageio/imagefile.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

namespace tessa {

ItemListView::ItemListView(QWidget *parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ItemListView::count() const
{
    return model() ? model()->rowCount() : 0;
}

int ItemListView::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ItemListView::setCurrentRow(int row)
{
    if (!model() || !selectionModel())
        return;
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

QString ItemListView::lineText(int row) const
{
    return model() ? model()->index(row, 0).data().toString() : QString();
}

bool ItemListView::dropLine(const QMimeData *data, QPoint at)
{
    const QModelIndex onto = indexAt(at);
    int before = count();
    if (onto.isValid())
        before = at.y() < visualRect(onto).center().y() ? onto.row() : onto.row() + 1;
    if (!model() || !model()->canDropMimeData(data, Qt::MoveAction, before, 0, {}))
        return false;
    model()->dropMimeData(data, Qt::MoveAction, before, 0, {});
    return true;
}

QStringList ItemListView::localFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

QStringList ItemListView::imageFiles(const QMimeData *data)
{
    return imageFiles(localFiles(data));
}

QStringList ItemListView::imageFiles(const QStringList &paths)
{
    QStringList images;
    for (const QString &path : paths) {
        if (hasPictureSuffix(path))
            images << path;
    }
    return images;
}

bool ItemListView::dropImageFiles(const QMimeData *data, QPoint at)
{
    const QStringList paths = imageFiles(data);
    if (paths.isEmpty())
        return false;
    const QModelIndex onto = indexAt(at);
    emit imageFilesDropped(paths, onto.isValid() ? onto.row() : count() - 1);
    return true;
}

// Image files are copied in; anything else is the list's own business (moving lines).
static bool acceptImageFiles(QDropEvent *event)
{
    if (ItemListView::imageFiles(event->mimeData()).isEmpty())
        return false;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void ItemListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!acceptImageFiles(event))
        QListView::dragEnterEvent(event);
}

void ItemListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!acceptImageFiles(event))
        QListView::dragMoveEvent(event);
}

void ItemListView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        if (event->modifiers() == Qt::NoModifier) {
            emit deletePressed();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            emit enterPressed();
            return;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Alt+Up and Alt+Down are Move Up and Move Down: where those are off, the keys do
        // nothing rather than move the selection as the plain arrows do.
        if (event->modifiers() & Qt::AltModifier) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QListView::keyPressEvent(event);
}

void ItemListView::dropEvent(QDropEvent *event)
{
    if (dropImageFiles(event->mimeData(), event->position().toPoint())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    if (dropLine(event->mimeData(), event->position().toPoint())) {
        // Not a move for the drag to finish by removing the line: the document moved it.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    QListView::dropEvent(event);
}

} // namespace tessa
