// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemlistmodel.h"

#include "animdocument.h"
#include "itemfigures.h"
#include "shownline.h"

#include <QCoreApplication>
#include <QFont>
#include <QMimeData>

namespace tessa {

namespace {

// A dragged line: which list it came from and its row. Only a drop on the same list moves it.
const QString kLineMimeType = QStringLiteral("application/x-tessarine-studio-line");

QByteArray listIdentity(const ItemListModel *model)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':'
           + QByteArray::number(reinterpret_cast<quintptr>(model));
}

// The row of a line dragged from `model`, or -1 for anything else.
int draggedRow(const ItemListModel *model, const QMimeData *data)
{
    if (!data || !data->hasFormat(kLineMimeType))
        return -1;
    const QList<QByteArray> parts = data->data(kLineMimeType).split(' ');
    if (parts.size() != 2 || parts[0] != listIdentity(model))
        return -1;
    bool ok = false;
    const int row = parts[1].toInt(&ok);
    return ok && row >= 0 && row < model->rowCount() ? row : -1;
}

} // namespace

ItemListModel::ItemListModel(const AnimDocument &document, QObject *parent)
    : QAbstractListModel(parent)
    , m_document(document)
    , m_figures(new ItemFigures(document, *this, this))
{
}

int ItemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_document.count();
}

QVariant ItemListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_document.count())
        return {};
    if (role == Qt::DisplayRole)
        return shownLine(m_document.lineText(index.row()));
    if (role == Qt::ToolTipRole)
        return m_figures->summary(index.row());
    if (role == Qt::FontRole && index.row() == m_playingLine) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled
           | Qt::ItemNeverHasChildren;
}

Qt::DropActions ItemListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

QStringList ItemListModel::mimeTypes() const
{
    return {kLineMimeType};
}

QMimeData *ItemListModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.size() != 1 || !indexes.front().isValid())
        return nullptr;
    auto *data = new QMimeData;
    data->setData(kLineMimeType,
                  listIdentity(this) + ' ' + QByteArray::number(indexes.front().row()));
    return data;
}

bool ItemListModel::canDropMimeData(const QMimeData *data, Qt::DropAction, int, int,
                                    const QModelIndex &) const
{
    return draggedRow(this, data) >= 0;
}

bool ItemListModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                 const QModelIndex &parent)
{
    const int from = draggedRow(this, data);
    if (from < 0 || action == Qt::IgnoreAction)
        return false;
    // Dropped on a line rather than between two: in front of it.
    const int before = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
    emit moveRequested(from, before);
    // Nothing for the view to remove afterwards: the move, if allowed, is done already.
    return false;
}

bool ItemListModel::beginMove(int from, int to)
{
    return beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
}

void ItemListModel::lineChanged(int line)
{
    const QModelIndex changed = index(line);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void ItemListModel::setPlayingLine(int line)
{
    if (line == m_playingLine)
        return;
    const int before = m_playingLine;
    m_playingLine = line;
    for (int changed : {before, line}) {
        if (changed >= 0 && changed < rowCount())
            emit dataChanged(index(changed), index(changed), {Qt::FontRole});
    }
}

} // namespace tessa
