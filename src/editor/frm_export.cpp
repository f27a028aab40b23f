// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export: images written as BMP files in the current palette, and the whole animation
// as a movie.
#include "frm.h"

#include "busycursor.h"
#include "document/animfile.h"
#include "document/fileio.h"
#include "document/paths.h"
#include "filters.h"
#include "imageio/imagefile.h"
#include "imaging/bmp.h"
#include "platform/dialogs.h"

#include "itemfigures.h"
#include "itemlistview.h"
#include "movieexport.h"
#include "settings/playbacksettings.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace tessa {

std::optional<Notice> frm::exportImage(const QString &path, const AnimItem &item) const
{
    const std::vector<std::uint8_t> bytes =
            AddBMPHeader(kFrameWidth, kFrameHeight, item.Pixels, m_paletteColors);
    // Replaced whole, so nothing of a longer old file can remain after the new bytes.
    auto written = replaceFile(path.toStdString(), bytes, Backup::None);
    if (!written)
        return fileFailureNotice(written.error());
    return std::nullopt;
}

void frm::mnuFileExportAnimation_Click()
{
    const QString folder =
            m_dialogs.BrowseForFolder(ExportPath, this, tr("Export Animation Frames"), true);
    if (folder.isEmpty())
        return;
    BusyCursor busy(this);
    rememberFolder(ExportPath, "ExportPath", folder);
    const std::string animation = m_document.fileName().toStdString();
    const ItemList &items = m_document.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].isImage())
            continue;
        const std::string name = exportFileName(animation, int(i));
        // Shown in messages, so written with the system's separators.
        const QString path =
                QDir::toNativeSeparators(QDir(folder).filePath(QString::fromStdString(name)));
        if (auto failure = exportImage(path, items[i])) {
            busy.restore();
            showNotice(*failure);
            return;
        }
    }
    busy.restore();
    m_dialogs.beep();
}

void frm::mnuFileExportFrame_Click()
{
    const int p = lst->currentRow();
    if (p < 0 || p >= m_document.count() || !m_document.item(p).isImage())
        return;
    const QString proposed =
            QString::fromStdString(exportFileName(m_document.fileName().toStdString(), p));
    int filterIndex = 0;
    const QString path =
            m_dialogs.ShowSaveDialog(this, tr(kBitmapFilter), tr("Export Frame"), ExportPath,
                                     QStringLiteral("bmp"), proposed, filterIndex);
    if (path.isEmpty())
        return;
    rememberFolder(ExportPath, "ExportPath", QString::fromStdString(GetFolder(path.toStdString())));
    // A name ending in .png asks for an indexed PNG in the same palette instead of a BMP.
    if (isPngPath(path)) {
        auto written =
                writeIndexedPng(path.toStdString(), m_document.item(p).Pixels, m_paletteColors);
        if (!written)
            showNotice(written.error());
        return;
    }
    if (auto failure = exportImage(path, m_document.item(p)))
        showNotice(*failure);
}

void frm::mnuFileExportMovie_Click()
{
    // The extension names the format; a name typed without one of them gets the extension of
    // the filter chosen in the dialog.
    static constexpr std::array<const char *, 4> kExtensions = {"gif", "webm", "mp4", "png"};
    QString proposed = QFileInfo(m_document.fileName()).fileName();
    proposed.replace(QLatin1Char('.'), QLatin1Char('-'));
    int filterIndex = 1;
    QString path = m_dialogs.ShowSaveDialog(this, tr(kMovieFilter), tr("Export Movie"),
                                            additionFolder(MoviePath, "MoviePath"),
                                            QStringLiteral("gif"), proposed, filterIndex);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool known = std::any_of(kExtensions.begin(), kExtensions.end(),
                                   [&](const char *ext) { return suffix == QLatin1String(ext); });
    if (!known) {
        const int chosen = std::clamp(filterIndex, 1, int(kExtensions.size())) - 1;
        path += QLatin1Char('.') + QLatin1String(kExtensions[std::size_t(chosen)]);
    }
    // The whole animation, as the game plays it with the preview's timing and sounds. Its folder
    // is remembered once the movie is written, not for an export that failed.
    const PlaybackSettings playback(m_settings);
    if (!exportMovie(this, m_dialogs, m_document.items(), m_paletteColors, playback, path))
        return;
    rememberFolder(MoviePath, "MoviePath", QString::fromStdString(GetFolder(path.toStdString())));
    const QFileInfo written(path);
    if (written.isFile()) {
        showNote(tr("Wrote the movie %1 (%2).")
                         .arg(QDir::toNativeSeparators(path),
                              bytesText(std::size_t(written.size()))));
    } else {
        // A PNG sequence: numbered pictures beside the name given.
        const QString pattern =
                written.dir().filePath(written.completeBaseName() + QLatin1String("-*.png"));
        showNote(tr("Wrote the movie as the pictures %1.").arg(QDir::toNativeSeparators(pattern)));
    }
}

} // namespace tessa
