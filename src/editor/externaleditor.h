// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "document/expected.h"
#include "document/notice.h"
#include "imaging/palette.h"
#include "platform/toolpreferences.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <memory>
#include <span>
#include <vector>

class QFileInfo;

namespace tessa {

// The frames handed to another program with Project > Edit Externally: each is a working file
// of its item in a folder of this run (so two frames, or two running editors, never share a
// file), watched until the document is replaced. Every time the other program saves one,
// imageSaved names the item and the file, once the file has settled and reads whole.
//
// Programs save in different ways: in place, or by writing a new file and renaming it over the
// old one (which a watch on the file alone does not survive), so the folder is watched too and a
// file that comes back is watched again. A file is read only after it stayed unchanged for
// kSettleMs, and one that does not decode yet (still being written) is tried again, up to
// kAttempts times before it is handed on for the caller to report.
class ExternalEditor : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSettleMs = 150;
    static constexpr int kAttempts = 20;

    // The working files go in a folder of this run inside `folder`, made on first use.
    // Folders of runs that ended without closing are removed then too.
    explicit ExternalEditor(QString folder, QObject *parent = nullptr);
    // Removes every working file and this run's folder.
    ~ExternalEditor() override;

    // Writes `pixels` in `colors` as the working file of item `id` and watches it; its path.
    // An item that is out already keeps its file (rewritten) unless the format changed.
    // A new file is named `baseName` and the format's extension, with a number added when
    // another item's file has that name already.
    Expected<QString, Notice> writeFrame(ItemId id, const QString &baseName,
                                         std::span<const std::uint8_t> pixels,
                                         const PaletteColors &colors,
                                         ToolPreferences::ImageFormat format);

    // Stops watching and removes the working files: the document they belonged to is gone.
    void stopAll();

    // The working files being watched.
    QStringList files() const;
    // This run's folder ("" before the first file).
    const QString &runFolder() const { return m_runFolder; }

signals:
    // The working file of item `id` was saved by another program.
    void imageSaved(ItemId id, const QString &path);

private:
    // What tells one version of a file from the next without reading it.
    struct Stamp
    {
        qint64 size = -1; // -1: no file
        QDateTime modified;
        QDateTime metadataChanged;
        bool operator==(const Stamp &) const = default;
    };
    struct Entry
    {
        ItemId id = 0;
        QString path;
        Stamp seen;           // as written or last handed on
        bool pending = false; // changed since, waiting to settle
        int attempts = 0;
    };

    static Stamp stampOf(const QFileInfo &info);
    bool prepareFolder(QString &error);
    void removeAbandonedRuns();
    void fileChanged(const QString &path);
    void lookAgain();
    void readPending();
    Entry *entryOf(ItemId id);

    QString m_folder;
    QString m_runFolder;
    std::unique_ptr<QLockFile> m_lock;
    std::vector<Entry> m_entries;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    bool m_handingOn = false; // inside imageSaved, which may ask the user something
};

} // namespace tessa
