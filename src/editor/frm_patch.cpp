// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export > Patch and File > Apply Patch: patches from an original animation to the saved
// document, and documents made by a patch from an original. The messages are the core's, the
// same as tessanim's.
#include "frm.h"

#include "busycursor.h"
#include "document/animfile.h"
#include "document/fileio.h"
#include "document/paths.h"
#include "filters.h"
#include "itemfigures.h"
#include "patch/patchapplier.h"
#include "patch/patchmaker.h"
#include "patch/patchnotices.h"
#include "patch/patchreader.h"
#include "patch/patchwriter.h"
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tessa {

namespace {

QString chooseOriginal(Dialogs &dialogs, QWidget *owner, const QString &folder)
{
    int filterIndex = 0;
    return dialogs.ShowOpenDialog(
            owner, frm::tr(kAnimationFilter),
            QCoreApplication::translate("tessa::frm", "Select the original animation file"), folder,
            QString(), filterIndex);
}

} // namespace

void frm::mnuFileExportPatch_Click()
{
    // The patch is made from the file as saved, which is what the modder hands out and what a
    // player's patched file must equal byte for byte; the bytes a save would write could differ
    // from it (they renumber items, for one).
    if (m_document.isModified() || m_document.fileName().isEmpty()) {
        ShowInfo(tr("Save the animation first: a patch is made from the file as saved."));
        return;
    }
    const QString original =
            chooseOriginal(m_dialogs, this, additionFolder(AnimationPath, "AnimationPath"));
    if (original.isEmpty())
        return;
    QString proposed = QFileInfo(m_document.fileName()).fileName();
    proposed.replace(QLatin1Char('.'), QLatin1Char('-'));
    int filterIndex = 0;
    const QString path = m_dialogs.ShowSaveDialog(
            this, tr(kPatchFilter), tr("Export Patch"), additionFolder(ExportPath, "ExportPath"),
            QStringLiteral("tpatch"), proposed + QStringLiteral(".tpatch"), filterIndex);
    if (path.isEmpty())
        return;
    rememberFolder(ExportPath, "ExportPath", QString::fromStdString(GetFolder(path.toStdString())));

    BusyCursor busy(this);
    const auto base = readWholeFile(original.toStdString());
    const auto saved = readWholeFile(m_document.fileName().toStdString());
    if (!base || !saved) {
        busy.restore();
        showNotice(fileFailureNotice(!base ? base.error() : saved.error()));
        return;
    }
    const auto patch = makePatch(*base, *saved, GetFileName(m_document.fileName().toStdString()));
    if (!patch) {
        busy.restore();
        showNotice(patch.error());
        return;
    }
    const std::vector<std::uint8_t> bytes = writePatch(*patch);
    const auto written = replaceFile(path.toStdString(), bytes, Backup::None);
    busy.restore();
    if (!written) {
        showNotice(fileFailureNotice(written.error()));
        return;
    }
    m_dialogs.beep();
    showNote(tr("Wrote the patch %1 (%2).")
                     .arg(QDir::toNativeSeparators(path), bytesText(bytes.size())));
}

void frm::mnuFileApplyPatch_Click()
{
    int filterIndex = 0;
    const QString patchPath = m_dialogs.ShowOpenDialog(
            this, tr(kPatchFilter), tr("Select the patch"),
            additionFolder(ExportPath, "ExportPath"), QString(), filterIndex);
    if (patchPath.isEmpty())
        return;
    // The patch is read and checked before anything else is asked: a damaged one, or one made
    // for a folder, is refused at once.
    const std::string patchName = GetFileName(patchPath.toStdString());
    Expected<Patch, Notice> patch = Unexpected{Notice{}};
    {
        BusyCursor busy(this);
        const auto patchBytes = readWholeFile(patchPath.toStdString());
        patch = patchBytes ? readPatch(*patchBytes, patchName)
                           : Unexpected{fileFailureNotice(patchBytes.error())};
        if (patch && !patch->isForOneFile())
            patch = Unexpected{folderPatchNotice(patchName)};
    }
    if (!patch) {
        showNotice(patch.error());
        return;
    }
    const QString original =
            chooseOriginal(m_dialogs, this, additionFolder(AnimationPath, "AnimationPath"));
    if (original.isEmpty())
        return;

    BusyCursor busy(this);
    const auto base = readWholeFile(original.toStdString());
    auto made = base ? applyPatch(*patch, *base, GetFileName(original.toStdString()), patchName)
                     : Unexpected{fileFailureNotice(base.error())};
    auto items = made ? readAnimation(*made) : Unexpected{made.error()};
    busy.restore();
    if (!items) {
        showNotice(items.error());
        return;
    }
    // Like a drop, it replaces unsaved changes only after the question closing asks.
    if (!mayDiscardChanges())
        return;
    // A new document: no name, Save on, as recovered work is opened.
    openRecovered(*items, QString());
    reportReplacedChanges();
}

} // namespace tessa
