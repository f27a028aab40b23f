// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recoverystore.h"

#include <QObject>
#include <QTimer>

namespace tessa {

class AnimDocument;

// Keeps the recovery copy of a document up to date while it has unsaved changes: a short
// moment after each change (so a burst of changes is written once), on the user-interface
// thread, so no copy is ever taken of a document in the middle of a change. A document without
// unsaved changes has no copy.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDelayMs = 1000;

    // Both must outlive the keeper.
    RecoveryKeeper(AnimDocument &document, RecoveryStore &store, QObject *parent = nullptr);

    // Writes the copy now if a write is waiting.
    void flush();
    bool isWaiting() const { return m_timer.isActive(); }
    // How long the last copy took to encode and write, for the curious and for measurements.
    qint64 lastWriteMs() const { return m_lastWriteMs; }
    // What became of a document's unsaved changes when it was replaced.
    struct Kept
    {
        bool changes = false; // there were unsaved changes to keep
        QString failure;      // why they could not be kept; "" when they were
    };
    // Keeps the document as a discarded one if it has unsaved changes (before New or Open
    // replace it, or a close answered No).
    Kept keepIfDiscarded();

private:
    void documentChanged();
    void write();

    AnimDocument &m_document;
    RecoveryStore &m_store;
    QTimer m_timer;
    qint64 m_lastWriteMs = 0;
};

} // namespace tessa
