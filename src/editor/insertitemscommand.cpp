// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "insertitemscommand.h"

#include "animdocument.h"

namespace tessa {

InsertItemsCommand::InsertItemsCommand(AnimDocument &document, int line,
                                       std::vector<std::pair<AnimItem, QString>> items,
                                       const QString &name)
    : QUndoCommand(name)
    , m_document(document)
    , m_line(line)
    , m_items(std::move(items))
    , m_ids(m_items.size(), 0)
{
}

void InsertItemsCommand::redo()
{
    const int count = int(m_items.size());
    for (int i = 0; i < count; ++i) {
        auto &[item, text] = m_items[std::size_t(i)];
        m_ids[std::size_t(i)] = m_document.applyInsert(m_line + i, std::move(item), std::move(text),
                                                       m_ids[std::size_t(i)]);
    }
    m_document.setLineToSelect(m_line + count);
}

void InsertItemsCommand::undo()
{
    // From the last, so that each removal leaves the lines of the others where they were.
    for (int i = int(m_items.size()) - 1; i >= 0; --i)
        m_items[std::size_t(i)] = m_document.applyRemove(m_line + i);
    m_document.setLineToSelect(m_line);
}

} // namespace tessa
