// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <optional>
#include <string>

namespace tessa {

class EditorContext;

// The Edit menu's changes: undo and redo of every change, copying and pasting items through the
// clipboard, duplicating them, and moving them by the menu or by dragging a line of the list.
class EditFeature : public QObject
{
    Q_OBJECT

public:
    explicit EditFeature(EditorContext &context);

private:
    // Why scripts may not undo or redo.
    static QString historyForScripts();
    // Reads the clipboard again after it changed: selection changes only look at the result.
    void clipboardChanged();
    bool mayPaste() const;
    void copy();
    void paste();
    void duplicate();
    void moveSelected(int to, const QString &commandName);
    void moveDragged(int from, int before);

    EditorContext &m_context;
    std::optional<std::string> m_clipboardCode; // of the item on the clipboard, if any
};

} // namespace tessa
