// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieimportfeature.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "document/itemcost.h"
#include "document/itemrules.h"
#include "document/soundname.h"
#include "editor/animdocument.h"
#include "editor/cancellableprogress.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/picture.h"
#include "encode/encodemoviefile.h"
#include "encode/movieestimate.h"
#include "encode/moviesoundtrack.h"
#include "encode/moviesource.h"
#include "encode/picturesequence.h"
#include "importfilechooser.h"
#include "language/shownnotice.h"
#include "platform/dialogs.h"
#include "settings/playbacksettings.h"
#include "sound/vocfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace tessa {

namespace {

// The kinds of movie files offered and taken when dropped; a GIF is offered, but a dropped one
// is an image, as it always was.
const QStringList kMovieKinds = {
        QStringLiteral("mp4"), QStringLiteral("m4v"), QStringLiteral("mkv"), QStringLiteral("webm"),
        QStringLiteral("avi"), QStringLiteral("mov"), QStringLiteral("mpg"), QStringLiteral("mpeg"),
        QStringLiteral("ogv"), QStringLiteral("apng")};
// Pictures offered as the first of numbered pictures.
const QStringList kPictureKinds = {QStringLiteral("png"), QStringLiteral("bmp"),
                                   QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                   QStringLiteral("tif"), QStringLiteral("tiff"),
                                   QStringLiteral("webp")};

QString patternsOf(const QStringList &kinds)
{
    return QStringLiteral("*.") + kinds.join(QStringLiteral(" *."));
}

QString movieFilter()
{
    return MovieImportFeature::tr("Movies (%1)|%1|Numbered Pictures, the First of Them (%2)|%2|"
                                  "All Files (*.*)|*.*")
            .arg(patternsOf(kMovieKinds + QStringList{QStringLiteral("gif")}),
                 patternsOf(kPictureKinds));
}

MovieInput inputOf(const MovieImportChoice &choice)
{
    return {choice.fps, choice.from, choice.to, choice.fit};
}

// "140 images, 140 pauses and 1 fade out": what a movie became, kind by kind.
QString contentsText(const ItemList &items)
{
    const auto count = [&items](std::string_view code) {
        return int(std::count_if(items.begin(), items.end(),
                                 [code](const AnimItem &item) { return item.Code == code; }));
    };
    QStringList parts{MovieImportFeature::tr("%Ln image(s)", nullptr, count(kCodeImage))};
    if (const int pauses = count(kCodePause))
        parts << MovieImportFeature::tr("%Ln pause(s)", nullptr, pauses);
    if (const int fades = count(kCodeFadeOut))
        parts << MovieImportFeature::tr("%Ln fade out(s)", nullptr, fades);
    if (parts.size() == 1)
        return parts[0];
    if (parts.size() == 2)
        return MovieImportFeature::tr("%1 and %2").arg(parts[0], parts[1]);
    return MovieImportFeature::tr("%1, %2 and %3").arg(parts[0], parts[1], parts[2]);
}

// What a size limit counts of a movie going in before `line` of `around` (a new animation when
// empty): what it adds to the file, its sound's cue included.
MovieBytes bytesCounted(const ItemList &around, int line, bool withSound)
{
    return [&around, line, withSound](const ItemList &items) {
        const std::size_t cue = withSound ? kItemHeaderSize + 2 : 0;
        if (around.empty())
            return movieFileBytes(items) + cue;
        // Without its End: the animation goes on after it.
        return insertionCost(around, line, std::span(items).first(items.size() - 1)) + cue;
    };
}

// A picture chosen as the first of numbered pictures stands for all of them.
QString movieOrPictures(const QString &path)
{
    if (QFileInfo(path).isFile() && kPictureKinds.contains(QFileInfo(path).suffix().toLower())) {
        if (const auto pattern = numberedPatternOf(path.toStdString()))
            return QString::fromStdString(*pattern);
    }
    return path;
}

} // namespace

MovieImportFeature::MovieImportFeature(EditorContext &context)
    : m_context(context)
{
    // Offered where Add Image is, as it adds images.
    context.commands().add({.name = QStringLiteral("ImportMovie"),
                            .menu = QStringLiteral("Project"),
                            .place = 170,
                            .text = [] { return tr("Import Mo&vie..."); },
                            .run =
                                    [this] {
                                        const QString path = chooseMovieFile();
                                        if (!path.isEmpty())
                                            importMovie(path, m_context.selectedLine());
                                    },
                            .enabled =
                                    [&context] {
                                        return offeredAt(context.document().items(),
                                                         context.selectedLine())
                                                .add[0];
                                    }});
    // Beside New, which begins with a picture.
    context.commands().add({.name = QStringLiteral("NewFromMovie"),
                            .menu = QStringLiteral("File"),
                            .place = 115,
                            .text = [] { return tr("New Animation from &Movie..."); },
                            .run =
                                    [this] {
                                        const QString path = chooseMovieFile();
                                        if (!path.isEmpty())
                                            beginWithMovie(path);
                                    },
                            .notFromScripts = &CommandRegistry::replacesTheDocument});
    // A movie, or a folder of numbered pictures, goes in before the selected line.
    context.addFileDrop([this](const QStringList &paths, int line) {
        const QString &first = paths.first();
        if (!isMovieFile(first) && !QFileInfo(first).isDir())
            return false;
        importMovie(first, line);
        return true;
    });
}

QStringList MovieImportFeature::movieKinds()
{
    return kMovieKinds;
}

bool MovieImportFeature::isMovieFile(const QString &path)
{
    return kMovieKinds.contains(QFileInfo(path).suffix().toLower());
}

QString MovieImportFeature::chooseMovieFile()
{
    return chooseFileToImport(m_context, movieFilter(), tr("Import Movie"));
}

bool MovieImportFeature::importMovie(const QString &chosen, int line)
{
    AnimDocument &document = m_context.document();
    if (!document.isOpen())
        return beginWithMovie(chosen);
    if (line < 0 || line >= document.count() || !offeredAt(document.items(), line).add[0]) {
        m_context.showNote(tr("Select the line to put the movie before."));
        return false;
    }
    const QString path = movieOrPictures(chosen);
    const ItemList &around = document.items();
    auto request = requestFor(path, around, line);
    if (!request)
        return false;
    // After a Fade Out the game shows nothing but black until the next Fade In.
    if (const auto fadeOut = fadedOutBefore(document.items(), line)) {
        const auto answer = m_context.dialogs().messageBox(
                m_context.owner(),
                tr("Line %1 comes after the Fade Out of line %2: the game would show the movie "
                   "on a black screen.\r\n\r\nPut the movie before the Fade Out instead?")
                        .arg(line + 1)
                        .arg(*fadeOut + 1),
                tr("Import Movie"), Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel);
        if (answer == Dialogs::Answer::Cancel)
            return false;
        if (answer == Dialogs::Answer::Yes && offeredAt(document.items(), *fadeOut).add[0])
            line = *fadeOut;
    }
    auto taken = takeMovie(*request, around, line);
    if (!taken)
        return false;
    ItemList &items = taken->items;
    items.pop_back(); // the End: the animation goes on after the movie
    const QString contents = contentsText(items);
    std::vector<std::pair<AnimItem, QString>> lines;
    lines.reserve(items.size());
    for (AnimItem &item : items) {
        QString text = QString::fromStdString(listLine(item));
        lines.emplace_back(std::move(item), std::move(text));
    }
    m_context.changeDocument(
            [&] { document.insertItems(line, std::move(lines), tr("Import Movie")); });
    QString note = tr("Imported %1: %2.").arg(QFileInfo(path).fileName(), contents);
    if (taken->sound >= 0)
        note += QLatin1Char(' ')
                + tr("Its sound is sound %1, %2.")
                          .arg(taken->sound)
                          .arg(QDir::toNativeSeparators(taken->soundFile));
    m_context.showNote(note);
    return true;
}

bool MovieImportFeature::beginWithMovie(const QString &chosen)
{
    static const ItemList kNothing; // a new animation: the movie is all of it
    const QString path = movieOrPictures(chosen);
    auto request = requestFor(path, kNothing, 0);
    if (!request || !m_context.mayDiscardChanges())
        return false;
    auto taken = takeMovie(*request, kNothing, 0);
    if (!taken)
        return false;
    const QString contents = contentsText(taken->items);
    m_context.openDocument(std::move(taken->items), QString(), EditorContext::Opened::AsUnsaved);
    QString note =
            tr("Began a new animation with %1: %2.").arg(QFileInfo(path).fileName(), contents);
    if (taken->sound >= 0)
        note += QLatin1Char(' ')
                + tr("Its sound is sound %1, %2.")
                          .arg(taken->sound)
                          .arg(QDir::toNativeSeparators(taken->soundFile));
    m_context.showNote(note);
    return true;
}

std::optional<MovieImportRequest> MovieImportFeature::requestFor(const QString &path,
                                                                 const ItemList &around, int line)
{
    const std::string file = path.toStdString();
    // A folder of pictures or a pattern such as f_%04d.png is timed by the pictures a second.
    const bool pictures = isPictureSequence(file);
    // Read before anything is asked: a file that is no movie is refused at once.
    double duration = 0;
    {
        auto source = openMovieSource(file, MovieInput{}.fps); // the rate matters to pictures only
        if (!source) {
            m_context.showNotice(source.error());
            return std::nullopt;
        }
        duration = (*source)->durationSeconds();
    }
    const PaletteColors palette = m_context.paletteColors();
    const TimingSettings timing = PlaybackSettings(m_context.settings()).timing();

    MovieImportRequest request;
    request.path = path;
    request.durationSeconds = pictures ? 0 : duration;
    request.numberedPictures = pictures;
    request.pictureCount = pictures ? int(movieInputFiles(file).size()) : 0;
    request.hasSound = !pictures && movieHasSound(file);
    // Where the preview plays the game's sounds from.
    const PlaybackSettings playback(m_context.settings());
    request.soundFileFor = [folder = playback.soundFolder(),
                            pattern = playback.soundPattern()](int number) {
        const auto file = soundFilePath(folder, pattern, number);
        return folder.empty() || !file ? QString() : QString::fromStdString(*file);
    };
    request.cuedSounds = cuedSounds(around);
    request.suggestedSound = std::max(kLowestSound, lowestFreeSound(around, [&](int number) {
                                          const QString sound = request.soundFileFor(number);
                                          return !sound.isEmpty() && QFileInfo::exists(sound);
                                      }));
    // The choices of the last import; its part of the movie only for the same movie, and its
    // sound number never, as that file is the last movie's sound now.
    if (m_lastChoice) {
        request.initial = *m_lastChoice;
        if (m_lastMovie != path) {
            request.initial.from = 0;
            request.initial.to = -1;
        }
        if (request.initial.sound >= 0)
            request.initial.sound = request.suggestedSound;
    }
    request.pictureAt = [=](double seconds, const MovieImportChoice &choice) {
        MovieImportChoice moment = choice;
        moment.from = seconds;
        moment.to = seconds + 0.2;
        const auto items = encodeMovieFile(file, inputOf(moment), palette,
                                           EncodeOptions{choice.quality, timing});
        if (!items || items->empty() || !items->front().isImage())
            return QImage();
        return CreatePicture(kFrameWidth, kFrameHeight, items->front().Pixels, palette);
    };
    const double length = pictures ? 0 : duration; // of pictures: at the rate chosen
    const int pictureCount = request.pictureCount;
    request.estimate = [=, &around](const MovieImportChoice &choice) {
        QElapsedTimer took;
        took.start();
        MovieEstimate shown;
        const auto estimate = estimateMovieSize(
                file, inputOf(choice), pictures ? pictureCount / choice.fps : length, palette,
                EncodeOptions{choice.quality, timing}, choice.maxBytes,
                bytesCounted(around, line, choice.sound >= 0));
        if (!estimate) {
            shown.problem = shownText(estimate.error());
            return shown;
        }
        shown.bytes = estimate->bytes;
        shown.seconds = estimate->encodedSeconds > 0
                                ? took.elapsed() / 1000.0 * estimate->importSeconds
                                          / estimate->encodedSeconds
                                : 0;
        // Said now, rather than after the work: a limit that not even the lowest quality keeps.
        if (estimate->lowestQualityBytes) {
            shown.problem =
                    MovieImportFeature::tr("Even at the lowest quality this takes about %1 bytes: "
                                           "allow more, or take a shorter part.")
                            .arg(QLocale().toString(qulonglong(*estimate->lowestQualityBytes)));
        }
        return shown;
    };
    return request;
}

std::optional<MovieImportFeature::Taken>
MovieImportFeature::takeMovie(MovieImportRequest request, const ItemList &around, int line)
{
    Dialogs &dialogs = m_context.dialogs();
    std::optional<MovieImportChoice> choice;
    QString soundFile;
    // No to replacing the sound file goes back to the dialog, its choices as they were.
    for (;;) {
        choice = dialogs.importMovie(m_context.owner(), request);
        if (!choice)
            return std::nullopt;
        m_lastChoice = *choice;
        m_lastMovie = request.path;
        soundFile = choice->sound >= 0 ? request.soundFileFor(choice->sound) : QString();
        if (soundFile.isEmpty() || !QFileInfo::exists(soundFile)
            || dialogs.messageBox(m_context.owner(),
                                  tr("The sound file %1 exists already. Replace it with the "
                                     "movie's sound? The old one is kept as %2.")
                                          .arg(QDir::toNativeSeparators(soundFile),
                                               QFileInfo(soundFile).fileName() + ".bak"),
                                  tr("Import Movie"), Dialogs::Icon::Question,
                                  Dialogs::Buttons::YesNo)
                       == Dialogs::Answer::Yes)
            break;
        request.initial = *choice;
    }

    const TimingSettings timing = PlaybackSettings(m_context.settings()).timing();
    auto items = encodeWithProgress(request.path, *choice, EncodeOptions{choice->quality, timing},
                                    around, line);
    if (!items)
        return std::nullopt;
    Taken taken{std::move(*items), -1, QString()};
    if (!soundFile.isEmpty()) {
        // Written before anything changes in the document, which a failure leaves as it was.
        const std::string file = request.path.toStdString();
        const auto track = movieSoundTrack(file, choice->from, choice->to, kGameSoundRate);
        if (!track) {
            m_context.showNotice(track.error());
            return std::nullopt;
        }
        const auto written = replaceFile(soundFile.toStdString(),
                                         writeVocFile(*track, kGameSoundRate), Backup::Keep);
        if (!written) {
            m_context.showNotice(fileFailureNotice(written.error()));
            return std::nullopt;
        }
        // Played as the first picture shows, so that sound and pictures start together.
        taken.items.insert(taken.items.begin() + 1, makeSoundItem(std::int16_t(choice->sound)));
        taken.sound = choice->sound;
        taken.soundFile = soundFile;
    }
    return taken;
}

std::optional<ItemList> MovieImportFeature::encodeWithProgress(const QString &path,
                                                               const MovieImportChoice &choice,
                                                               const EncodeOptions &options,
                                                               const ItemList &around, int line)
{
    CancellableProgress progress(m_context.dialogs(), m_context.owner(),
                                 tr("Encoding %1...").arg(QFileInfo(path).fileName()),
                                 tr("Import Movie"), 1000, m_context.progressDelayMilliseconds());
    auto items = encodeMovieWithin(
            path.toStdString(), inputOf(choice), m_context.paletteColors(), options,
            choice.maxBytes, [&progress](double done) { return progress.keepGoing(done); },
            bytesCounted(around, line, choice.sound >= 0));
    progress.close();
    if (progress.stopped()) {
        m_context.showNote(tr("The movie was not imported: it was stopped. Nothing has changed."));
        return std::nullopt;
    }
    if (!items) {
        m_context.showNotice(items.error());
        return std::nullopt;
    }
    return std::move(*items);
}

} // namespace tessa
