// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "document/animitem.h"

#include <QString>
#include <QUndoCommand>

#include <utility>
#include <vector>

namespace tessa {

// Several new items before a line, in order, as one step: Import Image of several files. Like
// Add, it leaves the selection on the item that was selected, now below the new ones.
class InsertItemsCommand : public QUndoCommand
{
public:
    InsertItemsCommand(AnimDocument &document, int line,
                       std::vector<std::pair<AnimItem, QString>> items, const QString &name);

    void redo() override;
    void undo() override;

private:
    AnimDocument &m_document;
    int m_line;
    std::vector<std::pair<AnimItem, QString>> m_items; // while not in the document
    std::vector<ItemId> m_ids;                         // the same on every redo
};

} // namespace tessa
