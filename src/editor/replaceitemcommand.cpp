// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replaceitemcommand.h"

#include "animdocument.h"

namespace tessa {

ReplaceItemCommand::ReplaceItemCommand(AnimDocument &document, int line, AnimItem item,
                                       QString text, const QString &name)
    : QUndoCommand(name)
    , m_document(document)
    , m_line(line)
    , m_item(std::move(item))
    , m_text(std::move(text))
{
}

void ReplaceItemCommand::redo()
{
    swap();
}

void ReplaceItemCommand::undo()
{
    swap();
}

void ReplaceItemCommand::swap()
{
    std::tie(m_item, m_text) =
            m_document.applyReplace(m_line, std::move(m_item), std::move(m_text));
    m_document.setLineToSelect(m_line);
}

} // namespace tessa
