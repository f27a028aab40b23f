// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "moveitemcommand.h"

#include "animdocument.h"

namespace tessa {

MoveItemCommand::MoveItemCommand(AnimDocument &document, int from, int to, const QString &name)
    : QUndoCommand(name)
    , m_document(document)
    , m_from(from)
    , m_to(to)
{
}

void MoveItemCommand::redo()
{
    m_document.applyMove(m_from, m_to);
    m_document.setLineToSelect(m_to);
}

void MoveItemCommand::undo()
{
    m_document.applyMove(m_to, m_from);
    m_document.setLineToSelect(m_from);
}

} // namespace tessa
