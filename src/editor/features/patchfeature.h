// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tessa {

class EditorContext;

// File > Export > Patch and File > Apply Patch: patches from an original animation to the saved
// document, and documents made by a patch from an original. The messages are the core's, the
// same as tessanim's.
class PatchFeature : public QObject
{
    Q_OBJECT

public:
    explicit PatchFeature(EditorContext &context);

private:
    // A patch from a chosen original file to the document's file as saved.
    void exportPatch();
    // What a chosen patch makes of a chosen original, as a new unsaved document.
    void applyPatchToOriginal();
    QString chooseOriginal();

    EditorContext &m_context;
};

} // namespace tessa
