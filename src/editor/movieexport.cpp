// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieexport.h"

#include "document/notice.h"
#include "movie/movieoptions.h"
#include "movie/movierenderer.h"
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

namespace tessa {

namespace {

constexpr int kProgressSteps = 1000;
// A GIF's size is counted by writing its first screens nowhere: exact for most animations, a
// moment's work for long ones.
constexpr int kSizeSampleScreens = 400;

QString tr(const char *text)
{
    return QCoreApplication::translate("MovieExport", text);
}

// The progress box's text: for a GIF, with the size it will have, so that a movie too big to
// share can be cancelled at once and written again at a smaller scale or tick rate.
QString progressText(const ItemList &items, const MovieRequest &request, const QString &path)
{
    const QString writing = tr("Writing the movie...");
    const auto format = movieFormatFor(QFile::encodeName(path).toStdString());
    if (!format || *format != MovieFormat::Gif)
        return writing;
    const auto size = estimateGifSize(items, request, kSizeSampleScreens);
    if (!size)
        return writing;
    const QString bytes =
            QLocale().formattedDataSize(qint64(size->bytes), 1, QLocale::DataSizeTraditionalFormat);
    return writing + QLatin1Char('\n')
           + (size->exact ? tr("The GIF will be %1.").arg(bytes)
                          : tr("The GIF will be about %1 (estimated from its first %2 seconds).")
                                    .arg(bytes)
                                    .arg(qRound(size->sampledSeconds)));
}

} // namespace

bool exportMovie(QWidget *owner, Dialogs &dialogs, const ItemList &items,
                 const PaletteColors &colors, const PlaybackSettings &playback, const QString &path,
                 int scale, int fromLine, int toLine)
{
    MovieRequest request;
    request.colors = colors;
    request.timing = playback.timing();
    request.fromLine = fromLine;
    request.toLine = toLine;
    request.scale = scale;
    request.aspect43 = playback.aspect43();
    request.soundFolder = playback.soundFolder();
    request.soundPattern = playback.soundPattern();

    std::unique_ptr<Dialogs::Progress> progress = dialogs.progress(
            owner, progressText(items, request, path), tr("Export Movie"), kProgressSteps);
    const auto rendered = renderMovie(
            QFile::encodeName(path).toStdString(), items, request, [&](Tick done, Tick total) {
                if (!progress)
                    return true;
                progress->setValue(total > 0 ? static_cast<int>(done * kProgressSteps / total)
                                             : kProgressSteps);
                return !progress->wasCancelled();
            });
    // Closed before any box that reports the outcome, which it would otherwise hide.
    progress.reset();
    if (!rendered) {
        dialogs.messageBox(owner, QString::fromStdString(rendered.error().text),
                           QString::fromStdString(rendered.error().title), Dialogs::Icon::Critical,
                           Dialogs::Buttons::Ok);
        return false;
    }
    if (rendered->cancelled)
        return false;
    if (!rendered->warnings.empty()) {
        QStringList lines;
        for (const std::string &warning : rendered->warnings)
            lines << QString::fromStdString(warning);
        dialogs.messageBox(owner, lines.join(QStringLiteral("\r\n")),
                           QString::fromUtf8(kProgramTitle), Dialogs::Icon::Exclamation,
                           Dialogs::Buttons::Ok);
    }
    return true;
}

} // namespace tessa
