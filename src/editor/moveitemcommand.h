// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>

namespace tessa {

class AnimDocument;

// Move Up, Move Down, or a line dragged elsewhere: the item goes from one line to another and
// stays selected.
class MoveItemCommand : public QUndoCommand
{
public:
    MoveItemCommand(AnimDocument &document, int from, int to, const QString &name);

    void redo() override;
    void undo() override;

private:
    AnimDocument &m_document;
    int m_from;
    int m_to;
};

} // namespace tessa
