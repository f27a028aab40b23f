// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/animdocument.h"

#include <QObject>
#include <QString>

#include <map>

namespace tessa {

class EditorContext;
class ExternalEditor;

// Project > Edit Externally: a frame painted in the user's own image editor (Edit > Preferences
// names it) comes back into the animation each time it is saved there.
class ExternalEditingFeature : public QObject
{
    Q_OBJECT

public:
    explicit ExternalEditingFeature(EditorContext &context);

private:
    // Hands the image of the selected line (or the nearest one above) to the image editor.
    void editExternally();
    // The image line Edit Externally takes: the selected one, or the nearest image above; -1.
    int externalEditLine() const;
    // The working file of item `id` was saved by the image editor: the item takes its frame,
    // now, or once the document's outside changes are no longer held.
    void imageSaved(ItemId id, const QString &path);
    void takeImage(ItemId id, const QString &path);

    EditorContext &m_context;
    ExternalEditor *m_external; // a child of this
    // Saves that came while a script held the document: the last file of each item.
    std::map<ItemId, QString> m_waiting;
};

} // namespace tessa
