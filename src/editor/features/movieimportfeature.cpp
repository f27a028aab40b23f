// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieimportfeature.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "document/itemrules.h"
#include "document/paths.h"
#include "document/soundname.h"
#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/picture.h"
#include "editor/rememberedfolders.h"
#include "encode/encodemoviefile.h"
#include "encode/moviesoundtrack.h"
#include "encode/moviesource.h"
#include "language/shownnotice.h"
#include "platform/dialogs.h"
#include "settings/playbacksettings.h"
#include "sound/vocfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace tessa {

namespace {

// What the estimate encodes of the movie, from the start of the part taken.
constexpr double kSampleSeconds = 2.0;
// The passes a size limit takes, about, when the chosen quality does not fit.
constexpr double kSearchPasses = 5.0;

// The kinds of movie files offered and taken when dropped; a GIF is offered, but a dropped one
// is an image, as it always was.
const QStringList kMovieKinds = {
        QStringLiteral("mp4"), QStringLiteral("m4v"), QStringLiteral("mkv"), QStringLiteral("webm"),
        QStringLiteral("avi"), QStringLiteral("mov"), QStringLiteral("mpg"), QStringLiteral("mpeg"),
        QStringLiteral("ogv"), QStringLiteral("apng")};

QString movieFilter()
{
    const QString patterns =
            QStringLiteral("*.") + (kMovieKinds + QStringList{QStringLiteral("gif")}).join(" *.");
    return MovieImportFeature::tr("Movies (%1)|%1|All Files (*.*)|*.*").arg(patterns);
}

MovieInput inputOf(const MovieImportChoice &choice)
{
    return {choice.fps, choice.from, choice.to, choice.fit};
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
                            .run = [this] { chooseMovie(); },
                            .enabled =
                                    [&context] {
                                        return offeredAt(context.document().items(),
                                                         context.selectedLine())
                                                .add[0];
                                    }});
    // A movie, or a folder of numbered pictures, goes in before the selected line.
    context.addFileDrop([this](const QStringList &paths, int line) {
        const QString &first = paths.first();
        if (!isMovieFile(first) && !QFileInfo(first).isDir())
            return false;
        importMovie(first, line);
        return true;
    });
}

bool MovieImportFeature::isMovieFile(const QString &path)
{
    return kMovieKinds.contains(QFileInfo(path).suffix().toLower());
}

void MovieImportFeature::chooseMovie()
{
    int filterIndex = 0;
    RememberedFolders &folders = m_context.folders();
    const QString path = m_context.dialogs().ShowOpenDialog(
            m_context.owner(), movieFilter(), tr("Import Movie"),
            folders.forAddition(RememberedFolders::Folder::Import, m_context.document().fileName()),
            QString(), filterIndex);
    if (path.isEmpty())
        return;
    folders.remember(RememberedFolders::Folder::Import,
                     QString::fromStdString(GetFolder(path.toStdString())));
    importMovie(path, m_context.selectedLine());
}

bool MovieImportFeature::importMovie(const QString &path, int line)
{
    AnimDocument &document = m_context.document();
    Dialogs &dialogs = m_context.dialogs();
    if (!document.isOpen() || line < 0 || line >= document.count()
        || !offeredAt(document.items(), line).add[0]) {
        m_context.showNote(tr("Open or begin an animation to add a movie to it."));
        return false;
    }
    const std::string file = path.toStdString();
    // A folder of pictures or a pattern such as f_%04d.png is timed by the pictures a second.
    const bool pictures = isPictureSequence(file);
    // Read before anything is asked: a file that is no movie is refused at once.
    double duration = 0;
    {
        auto source = openMovieSource(file, 25.0);
        if (!source) {
            m_context.showNotice(source.error());
            return false;
        }
        duration = (*source)->durationSeconds();
    }
    const PaletteColors palette = m_context.paletteColors();
    const TimingSettings timing = PlaybackSettings(m_context.settings()).timing();
    const auto optionsOf = [timing](const MovieImportChoice &choice) {
        return EncodeOptions{choice.quality, timing};
    };

    MovieImportRequest request;
    request.path = path;
    request.durationSeconds = pictures ? 0 : duration;
    request.numberedPictures = pictures;
    request.hasSound = !pictures && movieHasSound(file);
    // Where the preview plays the game's sounds from.
    const PlaybackSettings playback(m_context.settings());
    request.soundFileFor = [folder = playback.soundFolder(),
                            pattern = playback.soundPattern()](int number) {
        const auto file = soundFilePath(folder, pattern, number);
        return folder.empty() || !file ? QString() : QString::fromStdString(*file);
    };
    request.pictureAt = [=](double seconds, const MovieImportChoice &choice) {
        MovieImportChoice moment = choice;
        moment.from = seconds;
        moment.to = seconds + 0.2;
        const auto items = encodeMovieFile(file, inputOf(moment), palette, optionsOf(choice));
        if (!items || items->empty() || !items->front().isImage())
            return QImage();
        return CreatePicture(kFrameWidth, kFrameHeight, items->front().Pixels, palette);
    };
    request.estimate = [=](const MovieImportChoice &choice) {
        // Pictures were counted at 25 a second above.
        const double length = pictures ? duration * 25.0 / choice.fps : duration;
        const double end = choice.to >= 0 ? choice.to : length;
        MovieImportChoice sample = choice;
        if (end <= 0 || end - choice.from > kSampleSeconds)
            sample.to = choice.from + kSampleSeconds;
        const double sampled = (sample.to >= 0 ? sample.to : end) - choice.from;
        const double scale =
                std::max(1.0, end > choice.from && sampled > 0 ? (end - choice.from) / sampled : 1);
        QElapsedTimer took;
        took.start();
        // The size of the whole part at `quality`, told by the sample.
        const auto sizeAt = [&](int quality) -> Expected<std::uint64_t, Notice> {
            MovieImportChoice at = choice;
            at.quality = quality;
            const auto items = encodeMovieFile(file, inputOf(sample), palette, optionsOf(at));
            if (!items)
                return Unexpected{items.error()};
            const auto bytes = writeAnimation(*items);
            if (!bytes)
                return Unexpected{bytes.error()};
            return std::uint64_t(double(bytes->size()) * scale);
        };
        MovieEstimate estimate;
        const auto bytes = sizeAt(choice.quality);
        if (!bytes) {
            estimate.problem = shownText(bytes.error());
            return estimate;
        }
        estimate.bytes = *bytes;
        estimate.seconds = took.elapsed() / 1000.0 * scale;
        if (choice.maxBytes > 0 && estimate.bytes > choice.maxBytes) {
            estimate.seconds *= kSearchPasses;
            // Said now, rather than after the work: a limit that not even the lowest quality
            // keeps.
            if (const auto lowest = sizeAt(0); lowest && *lowest > choice.maxBytes) {
                estimate.problem = MovieImportFeature::tr(
                                           "Even at the lowest quality this takes about %1 bytes: "
                                           "allow more, or take a shorter part.")
                                           .arg(QLocale().toString(qulonglong(*lowest)));
            }
        }
        return estimate;
    };
    const auto choice = dialogs.importMovie(m_context.owner(), request);
    if (!choice)
        return false;
    const QString soundFile = choice->sound >= 0 ? request.soundFileFor(choice->sound) : QString();
    if (!soundFile.isEmpty() && QFileInfo::exists(soundFile)
        && dialogs.messageBox(m_context.owner(),
                              tr("The sound file %1 exists already. Replace it with the "
                                 "movie's sound? The old one is kept as %2.")
                                      .arg(QDir::toNativeSeparators(soundFile),
                                           QFileInfo(soundFile).fileName() + ".bak"),
                              tr("Import Movie"), Dialogs::Icon::Question, Dialogs::Buttons::YesNo)
                   != Dialogs::Answer::Yes)
        return false;

    auto items = encodeWithProgress(path, *choice, optionsOf(*choice));
    if (!items)
        return false;
    items->pop_back(); // the End: the animation goes on after the movie
    if (!soundFile.isEmpty()) {
        // Written before anything changes in the document, which a failure leaves as it was.
        const auto track = movieSoundTrack(file, choice->from, choice->to, kGameSoundRate);
        if (!track) {
            m_context.showNotice(track.error());
            return false;
        }
        const auto written = replaceFile(soundFile.toStdString(),
                                         writeVocFile(*track, kGameSoundRate), Backup::Keep);
        if (!written) {
            m_context.showNotice(fileFailureNotice(written.error()));
            return false;
        }
        // Played as the first picture shows, so that sound and pictures start together.
        items->insert(items->begin() + 1, makeSoundItem(std::int16_t(choice->sound)));
    }
    const int images = int(std::count_if(items->begin(), items->end(),
                                         [](const AnimItem &item) { return item.isImage(); }));
    std::vector<std::pair<AnimItem, QString>> lines;
    lines.reserve(items->size());
    for (AnimItem &item : *items) {
        QString text = QString::fromStdString(listLine(item));
        lines.emplace_back(std::move(item), std::move(text));
    }
    const int count = int(lines.size());
    m_context.changeDocument(
            [&] { document.insertItems(line, std::move(lines), tr("Import Movie")); });
    const QString imported =
            tr("Imported %1: %2 and %3.")
                    .arg(QFileInfo(path).fileName(), tr("%Ln image(s)", nullptr, images),
                         tr("%Ln pause(s)", nullptr,
                            count - images - (soundFile.isEmpty() ? 0 : 1)));
    m_context.showNote(soundFile.isEmpty()
                               ? imported
                               : imported + QLatin1Char(' ')
                                         + tr("Its sound is sound %1, %2.")
                                                   .arg(choice->sound)
                                                   .arg(QDir::toNativeSeparators(soundFile)));
    return true;
}

std::optional<ItemList> MovieImportFeature::encodeWithProgress(const QString &path,
                                                               const MovieImportChoice &choice,
                                                               const EncodeOptions &options)
{
    std::unique_ptr<Dialogs::Progress> progress;
    QElapsedTimer running;
    running.start();
    bool stopped = false;
    const EncodeProgress report = [&](double done) {
        if (running.elapsed() < m_context.progressDelayMilliseconds())
            return true;
        if (!progress) {
            progress = m_context.dialogs().progress(
                    m_context.owner(), tr("Encoding %1...").arg(QFileInfo(path).fileName()),
                    tr("Import Movie"), 1000);
        }
        progress->setValue(std::clamp(int(done * 1000), 0, 1000));
        QCoreApplication::processEvents();
        stopped = stopped || progress->wasCancelled();
        return !stopped;
    };
    const std::string file = path.toStdString();
    auto items = encodeMovieWithin(file, inputOf(choice), m_context.paletteColors(), options,
                                   choice.maxBytes, report);
    progress.reset();
    if (stopped) {
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
