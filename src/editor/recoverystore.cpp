// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoverystore.h"

#include "document/animfile.h"
#include "document/fileio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace tessa {

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

bool newestFirst(const RecoveryStore::Entry &a, const RecoveryStore::Entry &b)
{
    return a.time > b.time;
}

} // namespace

RecoveryStore::RecoveryStore(QString folder)
    : m_folder(std::move(folder))
    , m_runId(QStringLiteral("run-%1-%2")
                      .arg(QCoreApplication::applicationPid())
                      .arg(QDateTime::currentMSecsSinceEpoch()))
{
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return;
    removeStaleLocks();
    m_lock = std::make_unique<QLockFile>(pathOf(m_runId, ".lock"));
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);
}

void RecoveryStore::removeStaleLocks()
{
    // A run that was ended from outside (SIGTERM, a logout) leaves its lock behind. Taking it
    // succeeds only when its process is gone, and letting go of it removes the file. A copy
    // that such a run left is still found: with no lock, nobody holds it.
    const QStringList locks =
            QDir(m_folder).entryList({QStringLiteral("run-*.lock")}, QDir::Files, QDir::Name);
    for (const QString &name : locks) {
        QLockFile lock(m_folder + QLatin1Char('/') + name);
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            lock.unlock();
    }
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::pathOf(const QString &id, const char *extension) const
{
    return m_folder + QLatin1Char('/') + id + QLatin1String(extension);
}

bool RecoveryStore::writeEntry(const QString &id, const ItemList &items,
                               const QString &originalPath, bool discarded, QString &error)
{
    auto bytes = writeAnimation(items);
    if (!bytes) {
        error = QString::fromStdString(bytes.error().text);
        return false;
    }
    QJsonObject side;
    side[QLatin1String("path")] = originalPath;
    side[QLatin1String("time")] = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    side[QLatin1String("items")] = static_cast<int>(items.size());
    side[QLatin1String("discarded")] = discarded;
    const QByteArray sideText = QJsonDocument(side).toJson();
    // The animation first: a side file always names a complete copy.
    for (const auto &[path, content] :
         {std::pair{pathOf(id, ".qlm"), std::span<const std::uint8_t>(*bytes)},
          std::pair{pathOf(id, ".json"), bytesOf(sideText)}}) {
        auto written = replaceFile(QFile::encodeName(path).toStdString(), content, Backup::None);
        if (!written) {
            error = QString::fromStdString(written.error().text());
            return false;
        }
    }
    return true;
}

std::optional<QString> RecoveryStore::save(const ItemList &items, const QString &originalPath)
{
    if (m_folder.isEmpty())
        return std::nullopt;
    QString error;
    if (!QDir().mkpath(m_folder) || !writeEntry(m_runId, items, originalPath, false, error))
        return error.isEmpty()
                       ? QCoreApplication::translate("tessa::frm", "The folder %1 cannot be made.")
                                 .arg(QDir::toNativeSeparators(m_folder))
                       : error;
    return std::nullopt;
}

void RecoveryStore::removeCurrent()
{
    QFile::remove(pathOf(m_runId, ".json"));
    QFile::remove(pathOf(m_runId, ".qlm"));
}

std::optional<QString> RecoveryStore::discardCurrent(const ItemList &items,
                                                     const QString &originalPath)
{
    if (m_folder.isEmpty() || items.empty() || !items.front().isImage())
        return std::nullopt;
    const QString id = QStringLiteral("discarded-%1-%2")
                               .arg(QDateTime::currentMSecsSinceEpoch())
                               .arg(QCoreApplication::applicationPid());
    QString error;
    QDir().mkpath(m_folder);
    const bool written = writeEntry(id, items, originalPath, true, error);
    if (written)
        removeCurrent();
    prune();
    return written ? std::nullopt : std::optional<QString>(error);
}

std::vector<RecoveryStore::Entry> RecoveryStore::entries() const
{
    std::vector<Entry> found;
    const QStringList sides =
            QDir(m_folder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString &name : sides) {
        QFile file(m_folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject side = QJsonDocument::fromJson(file.read(64 * 1024)).object();
        Entry entry;
        entry.id = name.chopped(5);
        entry.originalPath = side.value(QLatin1String("path")).toString();
        entry.time = QDateTime::fromString(side.value(QLatin1String("time")).toString(),
                                           Qt::ISODateWithMs);
        entry.itemCount = side.value(QLatin1String("items")).toInt();
        entry.discarded = side.value(QLatin1String("discarded")).toBool();
        if (entry.time.isValid() && QFile::exists(pathOf(entry.id, ".qlm")))
            found.push_back(entry);
    }
    std::sort(found.begin(), found.end(), newestFirst);
    return found;
}

std::vector<RecoveryStore::Entry> RecoveryStore::abandoned() const
{
    std::vector<Entry> left;
    for (const Entry &entry : entries()) {
        if (entry.discarded || entry.id == m_runId)
            continue;
        // A run that is still going holds its lock; one that ended without closing does not.
        QLockFile lock(pathOf(entry.id, ".lock"));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            left.push_back(entry);
    }
    return left;
}

std::vector<RecoveryStore::Entry> RecoveryStore::discarded() const
{
    std::vector<Entry> kept = entries();
    std::erase_if(kept, [](const Entry &entry) { return !entry.discarded; });
    return kept;
}

std::optional<ItemList> RecoveryStore::load(const Entry &entry) const
{
    auto items = loadAnimation(QFile::encodeName(pathOf(entry.id, ".qlm")).toStdString());
    if (!items)
        return std::nullopt;
    return std::move(*items);
}

void RecoveryStore::markDiscarded(const Entry &entry)
{
    QFile file(pathOf(entry.id, ".json"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QJsonObject side = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    file.close();
    side[QLatin1String("discarded")] = true;
    const QByteArray text = QJsonDocument(side).toJson();
    replaceFile(QFile::encodeName(file.fileName()).toStdString(), bytesOf(text), Backup::None);
    QFile::remove(pathOf(entry.id, ".lock"));
    prune();
}

void RecoveryStore::remove(const Entry &entry)
{
    QFile::remove(pathOf(entry.id, ".json"));
    QFile::remove(pathOf(entry.id, ".qlm"));
    QFile::remove(pathOf(entry.id, ".lock"));
}

void RecoveryStore::prune()
{
    const QDateTime oldest = QDateTime::currentDateTimeUtc().addDays(-kKeptDays);
    int kept = 0;
    for (const Entry &entry : discarded()) {
        if (kept < kKeptDiscarded && entry.time >= oldest)
            ++kept;
        else
            remove(entry);
    }
}

} // namespace tessa
