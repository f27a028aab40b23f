// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "externaleditor.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "imageio/cutshort.h"
#include "imageio/imagefile.h"
#include "imaging/bmp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>

#include <algorithm>
#include <atomic>

namespace tessa {

namespace {

const QLatin1String kRunPrefix("run-");

QString lockPathOf(const QString &runFolder)
{
    return runFolder + QLatin1String(".lock");
}

// Whether the file ends where its own structure says it does, and reads. Image readers are
// lenient: Qt's BMP reader takes a file cut off halfway, so a file still being written can
// decode; cutShortRemains tells it apart.
bool readsWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const auto data = std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                std::size_t(bytes.size()));
    return !cutShortRemains(data) && loadImageBytes(bytes, path).has_value();
}

} // namespace

ExternalEditor::ExternalEditor(QString folder, QObject *parent)
    : QObject(parent)
    , m_folder(std::move(folder))
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &ExternalEditor::fileChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &ExternalEditor::lookAgain);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &ExternalEditor::readPending);
}

ExternalEditor::~ExternalEditor()
{
    stopAll();
    if (!m_runFolder.isEmpty())
        QDir(m_runFolder).removeRecursively();
    // The lock file goes with m_lock, after the folder it guards.
}

ExternalEditor::Stamp ExternalEditor::stampOf(const QFileInfo &info)
{
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified(), info.metadataChangeTime()};
}

bool ExternalEditor::prepareFolder(QString &error)
{
    if (m_runFolder.isEmpty()) {
        if (!QDir().mkpath(m_folder)) {
            error = QDir::toNativeSeparators(m_folder);
            return false;
        }
        removeAbandonedRuns();
        // Numbered too, for two windows of one process started within the same millisecond.
        static std::atomic<int> runsOfThisProcess = 0;
        const QString run = m_folder + QLatin1Char('/') + kRunPrefix
                            + QStringLiteral("%1-%2-%3")
                                      .arg(QCoreApplication::applicationPid())
                                      .arg(QDateTime::currentMSecsSinceEpoch())
                                      .arg(++runsOfThisProcess);
        // Locked before the folder exists, so another run never takes it for abandoned.
        m_lock = std::make_unique<QLockFile>(lockPathOf(run));
        m_lock->setStaleLockTime(0);
        m_lock->tryLock(0);
        m_runFolder = run;
    }
    if (QDir().mkpath(m_runFolder)) {
        if (!m_watcher.directories().contains(m_runFolder))
            m_watcher.addPath(m_runFolder);
        return true;
    }
    error = QDir::toNativeSeparators(m_runFolder);
    return false;
}

void ExternalEditor::removeAbandonedRuns()
{
    const QStringList runs = QDir(m_folder).entryList({kRunPrefix + QLatin1Char('*')},
                                                      QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : runs) {
        const QString run = m_folder + QLatin1Char('/') + name;
        // A run that is still going holds its lock; one that ended without closing does not.
        QLockFile lock(lockPathOf(run));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            QDir(run).removeRecursively();
    }
}

ExternalEditor::Entry *ExternalEditor::entryOf(ItemId id)
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [id](const Entry &entry) { return entry.id == id; });
    return found == m_entries.end() ? nullptr : &*found;
}

Expected<QString, Notice> ExternalEditor::writeFrame(ItemId id, const QString &baseName,
                                                     std::span<const std::uint8_t> pixels,
                                                     const PaletteColors &colors,
                                                     ToolPreferences::ImageFormat format)
{
    QString folderError;
    if (!prepareFolder(folderError))
        return Unexpected{Notice::info(
                QCoreApplication::translate("tessa::frm", "The folder %1 cannot be made.")
                        .arg(folderError)
                        .toStdString())};
    const bool bmp = format == ToolPreferences::ImageFormat::Bmp;
    const QString suffix = QLatin1String(bmp ? "bmp" : "png");
    Entry *entry = entryOf(id);
    if (entry && QFileInfo(entry->path).suffix() != suffix) {
        m_watcher.removePath(entry->path);
        QFile::remove(entry->path);
        std::erase_if(m_entries, [id](const Entry &kept) { return kept.id == id; });
        entry = nullptr;
    }
    QString path;
    if (entry) {
        path = entry->path;
    } else {
        const QString base = baseName.isEmpty() ? QStringLiteral("untitled") : baseName;
        const auto taken = [this](const QString &candidate) {
            return std::any_of(m_entries.begin(), m_entries.end(),
                               [&](const Entry &kept) { return kept.path == candidate; });
        };
        path = m_runFolder + QLatin1Char('/') + base + QLatin1Char('.') + suffix;
        for (int n = 2; taken(path); ++n)
            path = m_runFolder + QLatin1Char('/') + base + QStringLiteral(" (%1).").arg(n) + suffix;
    }

    const std::vector<std::uint8_t> bytes =
            bmp ? AddBMPHeader(kFrameWidth, kFrameHeight, pixels, colors)
                : encodeIndexedPng(pixels, colors);
    const auto written = replaceFile(QFile::encodeName(path).toStdString(), bytes, Backup::None);
    if (!written)
        return Unexpected{fileFailureNotice(written.error())};

    if (!entry) {
        entry = &m_entries.emplace_back();
        entry->id = id;
        entry->path = path;
    }
    // What was just written is the document's own frame: nothing to hand back.
    entry->seen = stampOf(QFileInfo(path));
    entry->pending = false;
    entry->attempts = 0;
    if (!m_watcher.files().contains(path))
        m_watcher.addPath(path);
    return path;
}

void ExternalEditor::stopAll()
{
    m_settle.stop();
    for (const Entry &entry : m_entries) {
        m_watcher.removePath(entry.path);
        QFile::remove(entry.path);
    }
    m_entries.clear();
}

QStringList ExternalEditor::files() const
{
    QStringList paths;
    for (const Entry &entry : m_entries)
        paths << entry.path;
    return paths;
}

void ExternalEditor::fileChanged(const QString &path)
{
    // Saved in place, perhaps within the same tick of the clock as before: read it whatever
    // its stamp says.
    for (Entry &entry : m_entries) {
        if (entry.path == path) {
            entry.pending = true;
            entry.attempts = 0;
        }
    }
    lookAgain();
}

void ExternalEditor::lookAgain()
{
    const QStringList watched = m_watcher.files();
    bool waiting = false;
    for (Entry &entry : m_entries) {
        const QFileInfo info(entry.path);
        // A file replaced by a rename is a new file: the watch on the old one is gone.
        if (info.exists() && !watched.contains(entry.path))
            m_watcher.addPath(entry.path);
        if (stampOf(info) != entry.seen) {
            entry.pending = true;
            entry.attempts = 0;
        }
        waiting = waiting || entry.pending;
    }
    // Every change starts the wait again: a file is read once it has been left alone.
    if (waiting)
        m_settle.start();
}

void ExternalEditor::readPending()
{
    if (m_handingOn) {
        m_settle.start(); // after the question being asked now
        return;
    }
    std::vector<ItemId> ready;
    bool again = false;
    for (Entry &entry : m_entries) {
        if (!entry.pending)
            continue;
        const Stamp before = stampOf(QFileInfo(entry.path));
        const bool whole = before.size >= 0 && readsWhole(entry.path)
                           && stampOf(QFileInfo(entry.path)) == before;
        ++entry.attempts;
        if (!whole && entry.attempts < kAttempts) {
            again = true;
            continue;
        }
        entry.pending = false;
        entry.seen = before;
        // A file that never came back has nothing to hand on; one that never read whole is
        // handed on so that the user hears why it cannot be taken.
        if (before.size >= 0)
            ready.push_back(entry.id);
    }
    if (again)
        m_settle.start();

    const QScopedValueRollback handingOn(m_handingOn, true);
    for (const ItemId id : ready) {
        // Looked up again each time: what is asked meanwhile may have ended the watching.
        if (const Entry *entry = entryOf(id)) {
            const QString path = entry->path;
            emit imageSaved(id, path);
        }
    }
}

} // namespace tessa
