// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tessa {

// Copies of unsaved work in one folder, so that a crash, a power cut or a discarded document
// loses nothing. Each copy is an animation file (".qlm", openable by hand) and a small side file
// (".json": the document's own path, the time, the item count). Copies are written whole
// through a temporary file and a rename, so a copy is never half-written.
//
// The copy of a running editor is named after its run, which holds a lock file for as long as
// it lives: a copy whose run holds no lock was left by a run that ended without closing.
class RecoveryStore
{
public:
    struct Entry
    {
        QString id;           // the file names without their extension
        QString originalPath; // "" for a new document never saved
        QDateTime time;
        int itemCount = 0;
        bool discarded = false;
    };

    // How many discarded documents are kept, and for how long.
    static constexpr int kKeptDiscarded = 10;
    static constexpr int kKeptDays = 14;

    // Uses `folder` (made when first needed); takes this run's lock.
    explicit RecoveryStore(QString folder);
    ~RecoveryStore();

    const QString &folder() const { return m_folder; }

    // Writes this run's copy of `items`; the error text on failure.
    std::optional<QString> save(const ItemList &items, const QString &originalPath);
    // Removes this run's copy, if any.
    void removeCurrent();
    // Keeps this run's copy as a discarded document (after writing `items` once more), and
    // drops discarded documents beyond the number and age kept; the error text when the copy
    // could not be written.
    std::optional<QString> discardCurrent(const ItemList &items, const QString &originalPath);

    // Copies left by runs that ended without closing, newest first.
    std::vector<Entry> abandoned() const;
    // Discarded documents, newest first.
    std::vector<Entry> discarded() const;
    // The items of a copy; nothing when it cannot be read.
    std::optional<ItemList> load(const Entry &entry) const;
    // Turns an abandoned copy into a discarded one (the user declined it).
    void markDiscarded(const Entry &entry);
    void remove(const Entry &entry);

private:
    QString pathOf(const QString &id, const char *extension) const;
    std::vector<Entry> entries() const;
    bool writeEntry(const QString &id, const ItemList &items, const QString &originalPath,
                    bool discarded, QString &error);
    void prune();
    void removeStaleLocks();

    QString m_folder;
    QString m_runId;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace tessa
