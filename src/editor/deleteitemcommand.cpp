// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "deleteitemcommand.h"

#include "animdocument.h"

#include <QCoreApplication>

namespace tessa {

DeleteItemCommand::DeleteItemCommand(AnimDocument &document, int line)
    : QUndoCommand(QCoreApplication::translate("tessa::frm", "Delete Item"))
    , m_document(document)
    , m_line(line)
{
}

void DeleteItemCommand::redo()
{
    m_id = m_document.itemId(m_line);
    std::tie(m_item, m_text) = m_document.applyRemove(m_line);
    m_document.setLineToSelect(m_line);
}

void DeleteItemCommand::undo()
{
    m_document.applyInsert(m_line, std::move(m_item), std::move(m_text), m_id);
    m_document.setLineToSelect(m_line);
}

} // namespace tessa
