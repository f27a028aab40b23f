// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundimportfeature.h"

#include "document/itemrules.h"
#include "document/soundname.h"
#include "document/soundtarget.h"
#include "editor/animdocument.h"
#include "editor/busycursor.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "importfilechooser.h"
#include "language/shownnotice.h"
#include "platform/dialogs.h"
#include "playback/soundcueplayer.h"
#include "settings/playbacksettings.h"
#include "sound/vocfile.h"
#include "soundimport/soundimport.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

// The longest sound read whole for the dialog, which shows all of it and takes a part; the
// part itself may be no longer than the preview plays.
constexpr double kMostSourceSeconds = 1800;

const QStringList kSoundKinds = {
        QStringLiteral("wav"), QStringLiteral("mp3"),  QStringLiteral("ogg"),
        QStringLiteral("oga"), QStringLiteral("opus"), QStringLiteral("flac"),
        QStringLiteral("m4a"), QStringLiteral("aac"),  QStringLiteral("wma"),
        QStringLiteral("aif"), QStringLiteral("aiff"), QStringLiteral("voc")};

QString soundFilter()
{
    const QString patterns = QStringLiteral("*.") + kSoundKinds.join(QStringLiteral(" *."));
    return SoundImportFeature::tr("Sounds (%1)|%1|All Files (*.*)|*.*").arg(patterns);
}

QString failureText(AudioFailure failure, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (failure) {
    case AudioFailure::NotAudio:
        return SoundImportFeature::tr("%1 is not a sound or movie file that can be read.")
                .arg(file);
    case AudioFailure::NoSound:
    case AudioFailure::NothingThere:
        return SoundImportFeature::tr("%1 holds no sound that can be read.").arg(file);
    case AudioFailure::Undecodable:
        return SoundImportFeature::tr("The sound of %1 cannot be decoded.").arg(file);
    case AudioFailure::TooLong:
        return SoundImportFeature::tr("%1 is longer than %2 minutes; take a part of it with "
                                      "tessanim sound --from and --to.")
                .arg(file)
                .arg(int(kMostSourceSeconds / 60));
    case AudioFailure::NoDecoder:
        break;
    }
    return SoundImportFeature::tr("Reading sounds needs FFmpeg, which this build was made "
                                  "without.");
}

// The samples of the part `choice` takes, cut where decodeAudio cuts a part.
std::span<const float> partOf(const DecodedAudio &audio, const ImportSoundChoice &choice)
{
    const auto at = [&audio](double seconds) {
        return std::clamp<std::size_t>(
                std::size_t(std::max(0LL, std::llround(seconds * audio.rate))), 0,
                audio.samples.size());
    };
    const std::size_t first = at(choice.from);
    const std::size_t last = choice.to >= 0 ? std::max(first, at(choice.to)) : audio.samples.size();
    return std::span<const float>(audio.samples).subspan(first, last - first);
}

// The game's samples as the player plays them.
SoundClip clipOf(const std::vector<std::uint8_t> &samples)
{
    SoundClip clip;
    clip.sampleRate = kGameSoundRate;
    clip.channels = 1;
    clip.samples.reserve(samples.size());
    for (const std::uint8_t sample : samples)
        clip.samples.push_back(std::int16_t((sample - 128) * 256));
    return clip;
}

} // namespace

SoundImportFeature::SoundImportFeature(EditorContext &context)
    : m_context(context)
{
    // Offered where Add Sound is, as it adds a sound cue.
    context.commands().add({.name = QStringLiteral("ImportSound"),
                            .menu = QStringLiteral("Project"),
                            .place = 180,
                            .text = [] { return tr("Import S&ound..."); },
                            .run = [this] { chooseSound(); },
                            .enabled = [this] { return mayCueAt(m_context.selectedLine()); }});
    context.addFileDrop([this](const QStringList &paths, int line) {
        if (!isSoundFile(paths.first()))
            return false;
        importSound(paths.first(), line);
        return true;
    });
}

bool SoundImportFeature::isSoundFile(const QString &path)
{
    return kSoundKinds.contains(QFileInfo(path).suffix().toLower());
}

bool SoundImportFeature::mayCueAt(int line) const
{
    const AnimDocument &document = m_context.document();
    return document.isOpen() && line >= 0 && line < document.count()
           && offeredAt(document.items(), line).add[4];
}

SoundCuePlayer &SoundImportFeature::player()
{
    if (!m_player)
        m_player = new SoundCuePlayer(m_context.makeSoundOutput(), this);
    return *m_player;
}

void SoundImportFeature::chooseSound()
{
    const QString path = chooseFileToImport(m_context, soundFilter(), tr("Import Sound"));
    if (path.isEmpty())
        return;
    importSound(path, m_context.selectedLine());
}

bool SoundImportFeature::importSound(const QString &path, int line)
{
    AnimDocument &document = m_context.document();
    Dialogs &dialogs = m_context.dialogs();
    const QString title = tr("Import Sound");
    const auto tell = [&](const QString &text) {
        dialogs.messageBox(m_context.owner(), text, title, Dialogs::Icon::Information,
                           Dialogs::Buttons::Ok);
        return false;
    };
    if (!mayCueAt(line)) {
        m_context.showNote(tr("Open or begin an animation, and pick the line to play the sound "
                              "before."));
        return false;
    }
    // Where the sound goes is settled before it is read.
    const PlaybackSettings playback(m_context.settings());
    const std::string folder = playback.soundFolder();
    const std::string pattern = playback.soundPattern();
    if (auto place = soundTarget(folder, pattern, kLowestSound, true); !place) {
        using Kind = SoundTargetRefusal::Kind;
        if (place.error().kind == Kind::NoFolder)
            return tell(tr("The sound folder %1 does not exist. Choose the game's sound folder "
                           "in View > Play's timing and sound choices.")
                                .arg(QDir::toNativeSeparators(QString::fromStdString(folder))));
        return tell(tr("Set the game's sound folder and the names of its files (such as "
                       "SOUND%02d.VOC) in View > Play's timing and sound choices first: the "
                       "sound is written there."));
    }
    const auto fileFor = [folder, pattern](int number) {
        const auto target = soundTarget(folder, pattern, number, true);
        return target ? QString::fromStdString(*target) : QString();
    };

    Expected<DecodedAudio, AudioFailure> audio = Unexpected{AudioFailure::NotAudio};
    {
        const BusyCursor busy(m_context.owner());
        audio = decodeAudio(path.toStdString(), kGameSoundRate, {}, kMostSourceSeconds);
    }
    if (!audio)
        return tell(failureText(audio.error(), path));

    ImportSoundRequest request;
    request.path = path;
    request.waveform = Waveform(audio->samples, audio->rate);
    const ItemList &items = document.items();
    request.number = std::max(kLowestSound, lowestFreeSound(items, [&fileFor](std::int32_t n) {
                                  return QFileInfo::exists(fileFor(n));
                              }));
    request.soundFileFor = fileFor;
    request.isCued = [&items](int number) {
        return std::any_of(items.begin(), items.end(), [number](const AnimItem &item) {
            return item.Code == kCodeSound && payloadValue(item) == number;
        });
    };
    request.play = [this, &audio](const ImportSoundChoice &choice) {
        return player().playClip(clipOf(gameSoundOf(partOf(*audio, choice), choice.keepLevel)));
    };
    request.stop = [this] {
        if (m_player)
            m_player->stop();
    };
    const auto choice = dialogs.importSound(m_context.owner(), request);
    if (m_player)
        m_player->stop();
    if (!choice)
        return false;

    auto target = soundTarget(folder, pattern, choice->number, false);
    if (!target && target.error().kind == SoundTargetRefusal::Kind::Exists) {
        const QString file = QString::fromStdString(target.error().path);
        if (dialogs.messageBox(m_context.owner(),
                               tr("The sound file %1 exists already. Replace it with this sound? "
                                  "The old one is kept as %2.")
                                       .arg(QDir::toNativeSeparators(file),
                                            QFileInfo(file).fileName() + ".bak"),
                               title, Dialogs::Icon::Question, Dialogs::Buttons::YesNo)
            != Dialogs::Answer::Yes)
            return false;
        target = soundTarget(folder, pattern, choice->number, true);
    }
    if (!target)
        return tell(
                tr("Sound %1 cannot be written where the game's sounds are.").arg(choice->number));
    const std::span<const float> part = partOf(*audio, *choice);
    if (part.empty())
        return tell(tr("The part taken holds no sound."));
    if (double(part.size()) / audio->rate > kMaxSoundSeconds)
        return tell(tr("The part taken is longer than %1 seconds, as long as a sound plays: take "
                       "a shorter one.")
                            .arg(int(kMaxSoundSeconds)));
    // Written before the document changes, which a failure leaves as it was.
    if (const auto written = writeGameSound(*target, gameSoundOf(part, choice->keepLevel));
        !written) {
        m_context.showNotice(written.error());
        return false;
    }
    AnimItem cue = makeSoundItem(std::int16_t(choice->number));
    const QString text = QString::fromStdString(listLine(cue));
    m_context.changeDocument([&] { document.insertItem(line, std::move(cue), text, title); });
    m_context.showNote(tr("Sound %1 is %2, %3 s long.")
                               .arg(choice->number)
                               .arg(QDir::toNativeSeparators(QString::fromStdString(*target)))
                               .arg(QLocale().toString(double(part.size()) / audio->rate, 'f', 2)));
    return true;
}

} // namespace tessa
