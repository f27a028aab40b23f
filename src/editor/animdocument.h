// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"

#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <vector>

class QAbstractItemModel;
class QItemSelectionModel;

namespace tessa {

class ItemListModel;

// A line's identity for as long as the document is open: it follows its item when lines are
// added, moved or deleted around it, and when it is deleted and brought back by undo. Never 0.
using ItemId = quint64;

// The one open animation: its items, the text of every list line (a pause typed as 2.5 shows
// "Pause: 2.5" while 2 is stored), its file name, and the history of its changes. Every view
// (the list, the picture, playback) shows it; nothing changes it but the undo commands below,
// so every change can be undone and redone.
//
// Unsaved changes are the undo stack's clean state: undoing back to the saved state makes the
// document unmodified again. A new document is modified until it is first saved.
class AnimDocument : public QObject
{
    Q_OBJECT

public:
    explicit AnimDocument(QObject *parent = nullptr);
    ~AnimDocument() override;

    const ItemList &items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    const AnimItem &item(int line) const { return m_items[static_cast<std::size_t>(line)]; }
    const QString &lineText(int line) const { return m_lines[line]; }
    const QStringList &lineTexts() const { return m_lines; }
    ItemId itemId(int line) const { return m_ids[std::size_t(line)]; }
    // The line of the item `id`, or -1 when it is not in the document.
    int lineOf(ItemId id) const;

    // "" for a new document and with no document.
    // The full path of the document's file ("" when it has none): always absolute, so that a
    // file named relative to one working folder is saved there from any other.
    const QString &fileName() const { return m_fileName; }
    // `path` made absolute against the working folder; "" stays "".
    static QString absolutePath(const QString &path);
    // A new document: begun with New and never saved.
    bool isUntitled() const { return m_untitled; }
    // Whether there is a document to work on: it has its first image (or came from a file that
    // holds at least one item).
    bool isOpen() const { return m_open; }
    bool isModified() const { return !m_undo.isClean(); }

    // While held (a script runs on the document), changes that come from outside the editor's
    // own commands (an image saved in the paint program) wait, and come in once every hold has
    // ended (outsideChangesReleased), after what held them.
    void holdOutsideChanges() { ++m_outsideHolds; }
    void releaseOutsideChanges();
    bool outsideChangesHeld() const { return m_outsideHolds > 0; }

    // The list lines as a model for views, and the selection they share.
    QAbstractItemModel *model() const;
    QItemSelectionModel *selection() const { return m_selection; }
    int selectedLine() const;

    // The line that the last change, undo or redo selects (-1: none).
    int lineToSelect() const { return m_lineToSelect; }

    // The history. undo() never goes back past the start of the document (a new document's
    // first image stays).
    QUndoStack &undoStack() { return m_undo; }
    bool canUndo() const;
    QString undoText() const { return m_undo.undoText(); }
    bool canRedo() const { return m_undo.canRedo(); }
    QString redoText() const { return m_undo.redoText(); }
    void undo();
    void redo();

    // Whole-document steps, not undoable: each starts a fresh history.
    // No document: no items, no name.
    void close();
    // A new document holding only "End", waiting for its first image; isOpen() keeps its
    // value until then.
    void startUntitled();
    // Called once the first image of a new document is in: that image can no longer be undone,
    // and the document counts as unsaved until its first save.
    void finishUntitled();
    // The items of a file; open when they are at least one.
    void load(ItemList items, const QString &fileName);

    // Work brought back from a recovery copy: the items as unsaved changes to `fileName`, or a
    // new document when that is "".
    void loadRecovered(ItemList items, const QString &fileName);

    // The document is now the file at `fileName`, with no unsaved changes.
    void markSaved(const QString &fileName);

    // Changes, one undo command each. `line` is a line of the document as it is.
    void insertItem(int line, AnimItem item, const QString &text, const QString &commandName);
    // Several items before `line`, in order, as one step.
    void insertItems(int line, std::vector<std::pair<AnimItem, QString>> items,
                     const QString &commandName);
    void replaceItem(int line, AnimItem item, const QString &text, const QString &commandName);
    void deleteItem(int line);
    void moveItem(int from, int to, const QString &commandName);

    // Used by the undo commands only: the raw changes, which keep items, lines and the model
    // in step and say which line to select. An item inserted again after its removal is given
    // back the id it had (0: a new one); the id it gets is returned.
    ItemId applyInsert(int line, AnimItem item, QString text, ItemId id = 0);
    std::pair<AnimItem, QString> applyRemove(int line);
    std::pair<AnimItem, QString> applyReplace(int line, AnimItem item, QString text);
    void applyMove(int from, int to);
    void setLineToSelect(int line) { m_lineToSelect = line; }

signals:
    // Items or line texts changed, by a command, an undo or a redo, or the whole document did.
    void changed();
    // The unsaved-changes state may have changed (also on every step of the history).
    void modifiedChanged();
    // File name, untitled or open state changed.
    void stateChanged();
    // Undo or redo became possible or impossible, or their names changed.
    void historyChanged();
    // The last hold on outside changes ended: what waited may come in.
    void outsideChangesReleased();

private:
    void resetTo(ItemList items, QStringList lines);

    ItemList m_items;
    QStringList m_lines;
    std::vector<ItemId> m_ids; // of each line
    ItemId m_lastId = 0;
    QString m_fileName;
    bool m_untitled = false;
    bool m_open = false;
    int m_lineToSelect = -1;
    int m_outsideHolds = 0;
    int m_historyStart = 0; // undo stops here
    QUndoStack m_undo;
    ItemListModel *m_model;
    QItemSelectionModel *m_selection;
};

} // namespace tessa
