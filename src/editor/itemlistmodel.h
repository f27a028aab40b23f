// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>

namespace tessa {

class AnimDocument;
class ItemFigures;

// The list lines of a document for views. It changes nothing itself: a line dragged to another
// place is handed back as moveRequested, which the window turns into an undoable move.
class ItemListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit ItemListModel(const AnimDocument &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    // The document brackets its changes with these, so views follow them line by line.
    void beginInsert(int line) { beginInsertRows({}, line, line); }
    void endInsert() { endInsertRows(); }
    void beginRemove(int line) { beginRemoveRows({}, line, line); }
    void endRemove() { endRemoveRows(); }
    bool beginMove(int from, int to);
    void endMove() { endMoveRows(); }
    void lineChanged(int line);
    void beginReset() { beginResetModel(); }
    void endReset()
    {
        // The playing mark belonged to the lines that are gone.
        m_playingLine = -1;
        endResetModel();
    }

    // The line the preview is playing, drawn bold so that it stands apart from the selection;
    // -1 for none.
    int playingLine() const { return m_playingLine; }
    void setPlayingLine(int line);

    // What each line costs in the file and when it plays; also each line's tooltip.
    ItemFigures &figures() const { return *m_figures; }

signals:
    // A line of this model was dropped in front of line `before` (0 to the line count).
    void moveRequested(int from, int before);

private:
    const AnimDocument &m_document;
    int m_playingLine = -1;
    ItemFigures *m_figures; // a child
};

} // namespace tessa
