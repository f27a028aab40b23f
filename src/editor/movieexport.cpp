// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieexport.h"

#include "cancellableprogress.h"
#include "document/notice.h"
#include "language/shownnotice.h"
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

// The context translators see these texts in.
struct MovieExportTexts
{
    Q_DECLARE_TR_FUNCTIONS(tessa::MovieExport)
};

// For a GIF, the size it will have, so that a movie too big to share can be cancelled at once
// and written again at a smaller scale or tick rate; "" for other kinds.
QString gifSizeText(const ItemList &items, const MovieRequest &request, const QString &path)
{
    const auto format = movieFormatFor(QFile::encodeName(path).toStdString());
    if (!format || *format != MovieFormat::Gif)
        return QString();
    const auto size = estimateGifSize(items, request, kSizeSampleScreens);
    if (!size)
        return QString();
    const QString bytes =
            QLocale().formattedDataSize(qint64(size->bytes), 1, QLocale::DataSizeTraditionalFormat);
    return size->exact ? MovieExportTexts::tr("The GIF will be %1.").arg(bytes)
                       : MovieExportTexts::tr(
                                 "The GIF will be about %1 (estimated from its first %2 seconds).")
                                 .arg(bytes)
                                 .arg(qRound(size->sampledSeconds));
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

    const std::string target = QFile::encodeName(path).toStdString();
    const QString size = gifSizeText(items, request, path);
    // Said before anything is written, while the user can still choose another kind of movie.
    const std::optional<std::string> soundsLeftOut = soundsLeftOutWarning(target, items, request);
    if (soundsLeftOut) {
        QString question = QString::fromStdString(*soundsLeftOut);
        if (!size.isEmpty())
            question += QLatin1String("\r\n") + size;
        question += QLatin1String("\r\n\r\n")
                    + MovieExportTexts::tr("Write the movie without its sounds?");
        if (dialogs.messageBox(owner, question, QString::fromUtf8(kProgramTitle),
                               Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo)
            != Dialogs::Answer::Yes)
            return false;
    }
    QString text = MovieExportTexts::tr("Writing the movie...");
    if (!size.isEmpty())
        text += QLatin1Char('\n') + size;
    // Shown at once, as it tells the GIF's size while the user can still cancel.
    CancellableProgress progress(dialogs, owner, text, MovieExportTexts::tr("Export Movie"),
                                 kProgressSteps, 0);
    const auto rendered = renderMovie(target, items, request, [&](Tick done, Tick total) {
        return progress.keepGoing(total > 0 ? double(done) / double(total) : 1.0);
    });
    // Closed before any box that reports the outcome, which it would otherwise hide.
    progress.close();
    if (!rendered) {
        dialogs.messageBox(owner, shownText(rendered.error()),
                           QString::fromStdString(rendered.error().title), Dialogs::Icon::Critical,
                           Dialogs::Buttons::Ok);
        return false;
    }
    if (rendered->cancelled)
        return false;
    QStringList lines;
    for (const std::string &warning : rendered->warnings)
        if (warning != soundsLeftOut)
            lines << QString::fromStdString(warning);
    if (!lines.isEmpty()) {
        dialogs.messageBox(owner, lines.join(QStringLiteral("\r\n")),
                           QString::fromUtf8(kProgramTitle), Dialogs::Icon::Exclamation,
                           Dialogs::Buttons::Ok);
    }
    return true;
}

} // namespace tessa
