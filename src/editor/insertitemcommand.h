// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "document/animitem.h"

#include <QUndoCommand>

namespace tessa {

// A new item before a line: every Add, Paste, Duplicate and a new document's first image. Like
// Add, it leaves the selection on the item that was selected, now one line lower.
class InsertItemCommand : public QUndoCommand
{
public:
    InsertItemCommand(AnimDocument &document, int line, AnimItem item, QString text,
                      const QString &name);

    void redo() override;
    void undo() override;

private:
    AnimDocument &m_document;
    int m_line;
    AnimItem m_item; // while not in the document
    QString m_text;
    ItemId m_id = 0; // the same on every redo
};

} // namespace tessa
