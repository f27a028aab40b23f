// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"

#include <QUndoCommand>

namespace tessa {

class AnimDocument;

// Edit: a new picture for an image, a new amount for a pause or number for a sound, with the
// line's new text. Undo puts the old item and text back.
class ReplaceItemCommand : public QUndoCommand
{
public:
    ReplaceItemCommand(AnimDocument &document, int line, AnimItem item, QString text,
                       const QString &name);

    void redo() override;
    void undo() override;

private:
    void swap();

    AnimDocument &m_document;
    int m_line;
    AnimItem m_item; // the one not in the document
    QString m_text;
};

} // namespace tessa
