// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/recoverykeeper.h"

#include <QObject>

#include <memory>
#include <optional>

namespace tessa {

class EditorContext;
class RecoveryStore;

// Unsaved work brought back: after a run that ended without closing, and documents that New,
// Open, Revert or closing discarded (File > Recover Discarded Animation); and File > Revert,
// which discards the changes for the file on disk.
class RecoveryFeature : public QObject
{
    Q_OBJECT

public:
    explicit RecoveryFeature(EditorContext &context);
    ~RecoveryFeature() override;

    RecoveryKeeper &keeper() { return *m_keeper; }
    // Offers the work of a run that ended without closing, if any (at start-up).
    void offerRecovery();

private:
    // Reopens the document's file, its unsaved changes kept as a discarded document.
    void revert();
    void recoverDiscarded();
    // Keeps the unsaved changes of a document about to be replaced, to be reported by
    // reportReplacedChanges once the replacing command is done.
    void keepReplacedChanges();
    // Tells the user that the changes replaced were kept and how to bring them back, or why
    // they could not be.
    void reportReplacedChanges();

    EditorContext &m_context;
    std::unique_ptr<RecoveryStore> m_store;
    std::unique_ptr<RecoveryKeeper> m_keeper; // after the store it writes to: it goes first
    std::optional<RecoveryKeeper::Kept> m_replacedChanges; // kept, not reported yet
};

} // namespace tessa
