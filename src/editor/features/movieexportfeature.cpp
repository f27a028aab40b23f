// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieexportfeature.h"

#include "document/paths.h"
#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/filters.h"
#include "editor/itemfigures.h"
#include "editor/movieexport.h"
#include "editor/rememberedfolders.h"
#include "platform/dialogs.h"
#include "settings/playbacksettings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace tessa {

MovieExportFeature::MovieExportFeature(EditorContext &context)
    : m_context(context)
{
    context.commands().add({.name = QStringLiteral("ExportMovie"),
                            .menu = QStringLiteral("File/Export"),
                            .place = 130,
                            .text = [] { return tr("&Movie..."); },
                            .run = [this] { exportMovie(); }});
}

void MovieExportFeature::exportMovie()
{
    const AnimDocument &document = m_context.document();
    RememberedFolders &folders = m_context.folders();
    // The extension names the format; a name typed without one of them gets the extension of
    // the filter chosen in the dialog.
    static constexpr std::array<const char *, 4> kExtensions = {"gif", "webm", "mp4", "png"};
    QString proposed = QFileInfo(document.fileName()).fileName();
    proposed.replace(QLatin1Char('.'), QLatin1Char('-'));
    int filterIndex = 1;
    QString path = m_context.dialogs().ShowSaveDialog(
            m_context.owner(), shownFilter(kMovieFilter), tr("Export Movie"),
            folders.forAddition(RememberedFolders::Folder::Movie, document.fileName()),
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
    const PlaybackSettings playback(m_context.settings());
    if (!tessa::exportMovie(m_context.owner(), m_context.dialogs(), document.items(),
                            m_context.paletteColors(), playback, path))
        return;
    folders.remember(RememberedFolders::Folder::Movie,
                     QString::fromStdString(GetFolder(path.toStdString())));
    const QFileInfo written(path);
    if (written.isFile()) {
        m_context.showNote(tr("Wrote the movie %1 (%2).")
                                   .arg(QDir::toNativeSeparators(path),
                                        bytesText(std::size_t(written.size()))));
    } else {
        // A PNG sequence: numbered pictures beside the name given.
        const QString pattern =
                written.dir().filePath(written.completeBaseName() + QLatin1String("-*.png"));
        m_context.showNote(
                tr("Wrote the movie as the pictures %1.").arg(QDir::toNativeSeparators(pattern)));
    }
}

} // namespace tessa
