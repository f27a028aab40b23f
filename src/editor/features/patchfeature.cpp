// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patchfeature.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "document/paths.h"
#include "editor/animdocument.h"
#include "editor/busycursor.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/filters.h"
#include "editor/itemfigures.h"
#include "editor/rememberedfolders.h"
#include "patch/patchapplier.h"
#include "patch/patchmaker.h"
#include "patch/patchnotices.h"
#include "patch/patchreader.h"
#include "patch/patchwriter.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace tessa {

PatchFeature::PatchFeature(EditorContext &context)
    : m_context(context)
{
    CommandRegistry &commands = context.commands();
    commands.add({.name = QStringLiteral("ExportPatch"),
                  .menu = QStringLiteral("File/Export"),
                  .place = 140,
                  .text = [] { return tr("&Patch..."); },
                  .run = [this] { exportPatch(); }});
    commands.add({.name = QStringLiteral("ApplyPatch"),
                  .menu = QStringLiteral("File"),
                  .place = 220,
                  .text = [] { return tr("Apply &Patch..."); },
                  .run = [this] { applyPatchToOriginal(); },
                  .notFromScripts = &CommandRegistry::replacesTheDocument});
}

QString PatchFeature::chooseOriginal()
{
    int filterIndex = 0;
    return m_context.dialogs().ShowOpenDialog(
            m_context.owner(), shownFilter(kAnimationFilter),
            tr("Select the original animation file"),
            m_context.folders().forAddition(RememberedFolders::Folder::Animation,
                                            m_context.document().fileName()),
            QString(), filterIndex);
}

void PatchFeature::exportPatch()
{
    const AnimDocument &document = m_context.document();
    Dialogs &dialogs = m_context.dialogs();
    RememberedFolders &folders = m_context.folders();
    // The patch is made from the file as saved, which is what the modder hands out and what a
    // player's patched file must equal byte for byte; the bytes a save would write could differ
    // from it (they renumber items, for one).
    if (document.isModified() || document.fileName().isEmpty()) {
        m_context.ShowInfo(tr("Save the animation first: a patch is made from the file as saved."));
        return;
    }
    const QString original = chooseOriginal();
    if (original.isEmpty())
        return;
    QString proposed = QFileInfo(document.fileName()).fileName();
    proposed.replace(QLatin1Char('.'), QLatin1Char('-'));
    int filterIndex = 0;
    const QString path = dialogs.ShowSaveDialog(
            m_context.owner(), shownFilter(kPatchFilter), tr("Export Patch"),
            folders.forAddition(RememberedFolders::Folder::Export, document.fileName()),
            QStringLiteral("tpatch"), proposed + QStringLiteral(".tpatch"), filterIndex);
    if (path.isEmpty())
        return;
    folders.remember(RememberedFolders::Folder::Export,
                     QString::fromStdString(GetFolder(path.toStdString())));

    BusyCursor busy(m_context.owner());
    const auto base = readWholeFile(original.toStdString());
    const auto saved = readWholeFile(document.fileName().toStdString());
    if (!base || !saved) {
        busy.restore();
        m_context.showNotice(fileFailureNotice(!base ? base.error() : saved.error()));
        return;
    }
    const auto patch = makePatch(*base, *saved, GetFileName(document.fileName().toStdString()));
    if (!patch) {
        busy.restore();
        m_context.showNotice(patch.error());
        return;
    }
    const std::vector<std::uint8_t> bytes = writePatch(*patch);
    const auto written = replaceFile(path.toStdString(), bytes, Backup::None);
    busy.restore();
    if (!written) {
        m_context.showNotice(fileFailureNotice(written.error()));
        return;
    }
    dialogs.beep();
    m_context.showNote(tr("Wrote the patch %1 (%2).")
                               .arg(QDir::toNativeSeparators(path), bytesText(bytes.size())));
}

void PatchFeature::applyPatchToOriginal()
{
    const AnimDocument &document = m_context.document();
    Dialogs &dialogs = m_context.dialogs();
    RememberedFolders &folders = m_context.folders();
    int filterIndex = 0;
    const QString patchPath = dialogs.ShowOpenDialog(
            m_context.owner(), shownFilter(kPatchFilter), tr("Select the patch"),
            folders.forAddition(RememberedFolders::Folder::Export, document.fileName()), QString(),
            filterIndex);
    if (patchPath.isEmpty())
        return;
    // The patch is read and checked before anything else is asked: a damaged one, or one made
    // for a folder, is refused at once.
    const std::string patchName = GetFileName(patchPath.toStdString());
    Expected<Patch, Notice> patch = Unexpected{Notice{}};
    {
        BusyCursor busy(m_context.owner());
        const auto patchBytes = readWholeFile(patchPath.toStdString());
        patch = patchBytes ? readPatch(*patchBytes, patchName)
                           : Unexpected{fileFailureNotice(patchBytes.error())};
        if (patch && !patch->isForOneFile())
            patch = Unexpected{folderPatchNotice(patchName)};
    }
    if (!patch) {
        m_context.showNotice(patch.error());
        return;
    }
    const QString original = chooseOriginal();
    if (original.isEmpty())
        return;

    BusyCursor busy(m_context.owner());
    const auto base = readWholeFile(original.toStdString());
    auto made = base ? applyPatch(*patch, *base, GetFileName(original.toStdString()), patchName)
                     : Unexpected{fileFailureNotice(base.error())};
    auto items = made ? readAnimation(*made) : Unexpected{made.error()};
    busy.restore();
    if (!items) {
        m_context.showNotice(items.error());
        return;
    }
    // Like a drop, it replaces unsaved changes only after the question closing asks.
    if (!m_context.mayDiscardChanges())
        return;
    // A new document: no name, Save on, as recovered work is opened.
    m_context.openDocument(std::move(*items), QString(), EditorContext::Opened::AsUnsaved);
}

} // namespace tessa
