// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved work brought back: after a run that ended without closing, and documents that New,
// Open, Revert or closing discarded.
#include "frm.h"

#include "document/animfile.h"
#include "document/notice.h"
#include "document/paths.h"
#include "platform/dialogs.h"
#include "recoverykeeper.h"

#include <QLocale>
#include <QScopedValueRollback>

#include <utility>

namespace tessa {

namespace {

QString nameOf(const RecoveryStore::Entry &entry)
{
    return entry.originalPath.isEmpty()
                   ? frm::tr("a new animation")
                   : QString::fromStdString(GetFileName(entry.originalPath.toStdString()));
}

QString timeOf(const RecoveryStore::Entry &entry)
{
    return QLocale().toString(entry.time.toLocalTime(), QLocale::ShortFormat);
}

} // namespace

void frm::keepReplacedChanges()
{
    const RecoveryKeeper::Kept kept = m_recovery->keepIfDiscarded();
    if (kept.changes)
        m_replacedChanges = kept;
}

void frm::reportReplacedChanges()
{
    const std::optional<RecoveryKeeper::Kept> kept = std::exchange(m_replacedChanges, {});
    if (!kept)
        return;
    if (kept->failure.isEmpty()) {
        showNote(tr("Your unsaved changes were kept: File > Recover Discarded Animation brings "
                    "them back."));
        return;
    }
    m_dialogs.messageBox(this,
                         tr("Your unsaved changes could not be kept for File > Recover Discarded "
                            "Animation: %1")
                                 .arg(kept->failure),
                         QLatin1String(kProgramTitle), Dialogs::Icon::Exclamation,
                         Dialogs::Buttons::Ok);
}

void frm::openRecovered(const ItemList &items, const QString &fileName)
{
    keepReplacedChanges();
    ResetDocument();
    {
        const QScopedValueRollback quiet(m_selecting, true);
        m_document.loadRecovered(items, fileName);
    }
    RefreshList();
}

void frm::offerRecovery()
{
    for (const RecoveryStore::Entry &entry : m_recoveryStore->abandoned()) {
        const auto answer = m_dialogs.messageBox(
                this,
                tr("Recover the unsaved changes to %1 from %2?").arg(nameOf(entry), timeOf(entry)),
                QLatin1String(kProgramTitle), Dialogs::Icon::Question,
                Dialogs::Buttons::YesNoLater);
        if (answer == Dialogs::Answer::Later)
            continue; // asked again at the next start
        if (answer == Dialogs::Answer::No) {
            m_recoveryStore->markDiscarded(entry);
            continue;
        }
        const std::optional<ItemList> items = m_recoveryStore->load(entry);
        if (!items || items->empty()) {
            ShowInfo(tr("The unsaved changes to %1 could not be read.").arg(nameOf(entry)));
            continue;
        }
        openRecovered(*items, entry.originalPath);
        reportReplacedChanges();
        // The document now has a copy of its own.
        m_recoveryStore->remove(entry);
        return;
    }
}

void frm::mnuFileRevert_Click()
{
    const QString path = m_document.fileName();
    if (!m_document.isModified() || path.isEmpty())
        return;
    const auto answer = m_dialogs.messageBox(
            this,
            tr("Discard your changes and reopen %1 from disk?")
                    .arg(QString::fromStdString(GetFileName(path.toStdString()))),
            QLatin1String(kProgramTitle), Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;
    // Read before anything is thrown away: a file that cannot be read leaves the changes open.
    auto loaded = loadAnimation(path.toStdString());
    if (!loaded) {
        showNotice(loaded.error());
        return;
    }
    showLoaded(std::move(*loaded), path);
    reportReplacedChanges();
}

void frm::mnuFileRecover_Click()
{
    const std::vector<RecoveryStore::Entry> kept = m_recoveryStore->discarded();
    if (kept.empty()) {
        ShowInfo(tr("No discarded animations are kept."));
        return;
    }
    QStringList choices;
    for (const RecoveryStore::Entry &entry : kept)
        choices << tr("%1, %2, %Ln item(s)", nullptr, int(entry.itemCount))
                           .arg(nameOf(entry), timeOf(entry));
    const int chosen = m_dialogs.chooseItem(this, tr("Recover Discarded Animation"),
                                            tr("Open as a new animation:"), choices);
    if (chosen < 0 || chosen >= int(kept.size()))
        return;
    const std::optional<ItemList> items = m_recoveryStore->load(kept[std::size_t(chosen)]);
    if (!items || items->empty()) {
        ShowInfo(tr("The discarded animation could not be read."));
        return;
    }
    // It replaces the open document: unsaved changes get the question closing asks.
    if (!mayDiscardChanges())
        return;
    openRecovered(*items, QString());
    reportReplacedChanges();
}

} // namespace tessa
