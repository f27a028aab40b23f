// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoveryfeature.h"

#include "document/animfile.h"
#include "document/notice.h"
#include "document/paths.h"
#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/recoverystore.h"
#include "editor/studiopaths.h"
#include "platform/dialogs.h"

#include <QLocale>

#include <utility>

namespace tessa {

namespace {

QString nameOf(const RecoveryStore::Entry &entry)
{
    return entry.originalPath.isEmpty()
                   ? RecoveryFeature::tr("a new animation")
                   : QString::fromStdString(GetFileName(entry.originalPath.toStdString()));
}

QString timeOf(const RecoveryStore::Entry &entry)
{
    return QLocale().toString(entry.time.toLocalTime(), QLocale::ShortFormat);
}

} // namespace

RecoveryFeature::RecoveryFeature(EditorContext &context)
    : m_context(context)
    , m_store(std::make_unique<RecoveryStore>(context.paths().recoveryFolder))
    , m_keeper(std::make_unique<RecoveryKeeper>(context.document(), *m_store))
{
    CommandRegistry &commands = context.commands();
    commands.add({.name = QStringLiteral("Revert"),
                  .menu = QStringLiteral("File"),
                  .place = 150,
                  .text = [] { return tr("Re&vert"); },
                  .run = [this] { revert(); },
                  .enabled =
                          [&context] {
                              const AnimDocument &document = context.document();
                              return document.isModified() && !document.fileName().isEmpty();
                          },
                  .notFromScripts = &CommandRegistry::replacesTheDocument});
    commands.add({.name = QStringLiteral("RecoverDiscarded"),
                  .menu = QStringLiteral("File"),
                  .place = 160,
                  .text = [] { return tr("&Recover Discarded Animation..."); },
                  .run = [this] { recoverDiscarded(); },
                  .notFromScripts = &CommandRegistry::replacesTheDocument});
    connect(&context, &EditorContext::documentAboutToBeReplaced, this,
            &RecoveryFeature::keepReplacedChanges);
    connect(&context, &EditorContext::documentReplaced, this,
            &RecoveryFeature::reportReplacedChanges);
    // Changes closed away unsaved are kept for a while all the same.
    connect(&context, &EditorContext::closing, this, [this] { m_keeper->keepIfDiscarded(); });
}

RecoveryFeature::~RecoveryFeature() = default;

void RecoveryFeature::keepReplacedChanges()
{
    const RecoveryKeeper::Kept kept = m_keeper->keepIfDiscarded();
    if (kept.changes)
        m_replacedChanges = kept;
}

void RecoveryFeature::reportReplacedChanges()
{
    const std::optional<RecoveryKeeper::Kept> kept = std::exchange(m_replacedChanges, {});
    if (!kept)
        return;
    if (kept->failure.isEmpty()) {
        m_context.showNote(tr("Your unsaved changes were kept: File > Recover Discarded "
                              "Animation brings them back."));
        return;
    }
    m_context.dialogs().messageBox(m_context.owner(),
                                   tr("Your unsaved changes could not be kept for File > Recover "
                                      "Discarded Animation: %1")
                                           .arg(kept->failure),
                                   QLatin1String(kProgramTitle), Dialogs::Icon::Exclamation,
                                   Dialogs::Buttons::Ok);
}

void RecoveryFeature::offerRecovery()
{
    for (const RecoveryStore::Entry &entry : m_store->abandoned()) {
        const auto answer = m_context.dialogs().messageBox(
                m_context.owner(),
                tr("Recover the unsaved changes to %1 from %2?").arg(nameOf(entry), timeOf(entry)),
                QLatin1String(kProgramTitle), Dialogs::Icon::Question,
                Dialogs::Buttons::YesNoLater);
        if (answer == Dialogs::Answer::Later)
            continue; // asked again at the next start
        if (answer == Dialogs::Answer::No) {
            m_store->markDiscarded(entry);
            continue;
        }
        std::optional<ItemList> items = m_store->load(entry);
        if (!items || items->empty()) {
            m_context.ShowInfo(
                    tr("The unsaved changes to %1 could not be read.").arg(nameOf(entry)));
            continue;
        }
        m_context.openDocument(std::move(*items), entry.originalPath,
                               EditorContext::Opened::AsUnsaved);
        // The document now has a copy of its own.
        m_store->remove(entry);
        return;
    }
}

void RecoveryFeature::revert()
{
    const AnimDocument &document = m_context.document();
    const QString path = document.fileName();
    if (!document.isModified() || path.isEmpty())
        return;
    const auto answer = m_context.dialogs().messageBox(
            m_context.owner(),
            tr("Discard your changes and reopen %1 from disk?")
                    .arg(QString::fromStdString(GetFileName(path.toStdString()))),
            QLatin1String(kProgramTitle), Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;
    // Read before anything is thrown away: a file that cannot be read leaves the changes open.
    auto loaded = loadAnimation(path.toStdString());
    if (!loaded) {
        m_context.showNotice(loaded.error());
        return;
    }
    m_context.openDocument(std::move(*loaded), path, EditorContext::Opened::AsSaved);
}

void RecoveryFeature::recoverDiscarded()
{
    const std::vector<RecoveryStore::Entry> kept = m_store->discarded();
    if (kept.empty()) {
        m_context.ShowInfo(tr("No discarded animations are kept."));
        return;
    }
    QStringList choices;
    for (const RecoveryStore::Entry &entry : kept)
        choices << tr("%1, %2, %Ln item(s)", nullptr, int(entry.itemCount))
                           .arg(nameOf(entry), timeOf(entry));
    const int chosen =
            m_context.dialogs().chooseItem(m_context.owner(), tr("Recover Discarded Animation"),
                                           tr("Open as a new animation:"), choices);
    if (chosen < 0 || chosen >= int(kept.size()))
        return;
    std::optional<ItemList> items = m_store->load(kept[std::size_t(chosen)]);
    if (!items || items->empty()) {
        m_context.ShowInfo(tr("The discarded animation could not be read."));
        return;
    }
    // It replaces the open document: unsaved changes get the question closing asks.
    if (!m_context.mayDiscardChanges())
        return;
    m_context.openDocument(std::move(*items), QString(), EditorContext::Opened::AsUnsaved);
}

} // namespace tessa
