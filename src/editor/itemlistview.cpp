// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemlistview.h"

#include <QDropEvent>

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

void ItemListView::dropEvent(QDropEvent *event)
{
    if (dropLine(event->mimeData(), event->position().toPoint())) {
        // Not a move for the drag to finish by removing the line: the document moved it.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    QListView::dropEvent(event);
}

} // namespace tessa
