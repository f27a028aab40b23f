// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "insertitemcommand.h"

#include "animdocument.h"

namespace tessa {

InsertItemCommand::InsertItemCommand(AnimDocument &document, int line, AnimItem item, QString text,
                                     const QString &name)
    : QUndoCommand(name)
    , m_document(document)
    , m_line(line)
    , m_item(std::move(item))
    , m_text(std::move(text))
{
}

void InsertItemCommand::redo()
{
    m_id = m_document.applyInsert(m_line, std::move(m_item), std::move(m_text), m_id);
    m_document.setLineToSelect(m_line + 1);
}

void InsertItemCommand::undo()
{
    std::tie(m_item, m_text) = m_document.applyRemove(m_line);
    m_document.setLineToSelect(m_line);
}

} // namespace tessa
