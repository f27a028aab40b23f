// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "document/animitem.h"

#include <QUndoCommand>

namespace tessa {

// Delete Item: the line goes, and the one that followed it is selected.
class DeleteItemCommand : public QUndoCommand
{
public:
    DeleteItemCommand(AnimDocument &document, int line);

    void redo() override;
    void undo() override;

private:
    AnimDocument &m_document;
    int m_line;
    AnimItem m_item; // while not in the document
    QString m_text;
    ItemId m_id = 0; // given back on undo
};

} // namespace tessa
