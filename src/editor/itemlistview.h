// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

namespace tessa {

// The single-selection list of a document's lines, with the list box's plain questions: how
// many lines, which one is current, the text of one. Lines can be dragged to another place.
class ItemListView : public QListView
{
    Q_OBJECT

public:
    explicit ItemListView(QWidget *parent = nullptr);

    int count() const;
    // -1 when no line is current.
    int currentRow() const;
    // Makes `row` current and selected; -1 clears the selection.
    void setCurrentRow(int row);
    QString lineText(int row) const;

    // What a drop of `data` at `at` (viewport coordinates) does; true when a line of this list
    // was moved or refused, false when the drop is for someone else.
    bool dropLine(const QMimeData *data, QPoint at);
    // The image files among `data`'s local files (by the kinds Qt's image readers know), in
    // the order given; animation files are left to the window, which opens them.
    static QStringList imageFiles(const QMimeData *data);
    // The paths of `data`'s local files, in the order given.
    static QStringList localFiles(const QMimeData *data);
    static QStringList imageFiles(const QStringList &paths);
    // A drop of image files at `at`: imageFilesDropped with the line they go before, the line
    // dropped on (the last line below every line). False when `data` holds no image file.
    bool dropImageFiles(const QMimeData *data, QPoint at);

signals:
    void imageFilesDropped(const QStringList &paths, int line);
    // Delete and Enter on a line, as keys of Delete Item and Edit. Delete reaches the list only
    // while Delete Item is off (its shortcut takes it otherwise), which is when it is refused.
    void deletePressed();
    void enterPressed();

protected:
    // A line dropped on the upper half of another goes in front of it, on the lower half after
    // it; the model decides whether it may move, and nothing is removed afterwards.
    void dropEvent(QDropEvent *event) override;
    // Image files are taken here; other files go on to the window.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tessa
