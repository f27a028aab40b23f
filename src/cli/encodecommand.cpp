// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include "document/animfile.h"
#include "document/nativefile.h"
#include "document/soundname.h"
#include "encode/encodemoviefile.h"
#include "encode/moviesoundtrack.h"
#include "encode/moviesource.h"
#include "imageformats.h"
#include "refusal.h"
#include "sound/vocfile.h"
#include "terminal.h"

#include <QThreadPool>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

namespace {

// Qt scales large pictures on the threads of its pool. They are ended before a command returns,
// so that no thread of the media module is left running while tessanim exits.
struct PoolThreadsEnded
{
    ~PoolThreadsEnded() { QThreadPool::globalInstance()->waitForDone(); }
};

struct EncodeSettings
{
    MovieInput input;
    EncodeOptions options;
};

Expected<EncodeSettings, Notice> settingsOf(const EncodeChoices &choices)
{
    const auto fit = movieFitNamed(choices.fit);
    if (!fit)
        return refusal("--fit takes crop, pad or stretch, not \"" + choices.fit + "\".");
    EncodeSettings settings;
    settings.options = {choices.quality, {choices.tickRate, choices.pauseMultiplier}};
    settings.input = {choices.fps, choices.from, choices.to, *fit};
    if (const auto refusal = checkEncodeOptions(settings.options))
        return Unexpected{*refusal};
    if (const auto refusal = checkMovieInput(settings.input))
        return Unexpected{*refusal};
    return settings;
}

// "Encoding: 42%" rewritten in place on a terminal; nothing where standard error is a file or a
// pipe, whose readers want the messages only.
class TerminalProgress
{
public:
    TerminalProgress()
        : m_shown(isTerminal(stderr))
    {
    }
    ~TerminalProgress()
    {
        if (m_shown && m_percent >= 0)
            std::cerr << '\n';
    }
    EncodeProgress reporter()
    {
        if (!m_shown)
            return {};
        return [this](double done) {
            const int percent = static_cast<int>(done * 100);
            if (percent != m_percent) {
                m_percent = percent;
                std::cerr << "\rEncoding: " << percent << '%' << std::flush;
            }
            return true;
        };
    }

private:
    bool m_shown;
    int m_percent = -1;
};

// Where the movie's sound is to go: checked before anything is encoded, so that a file that
// would be replaced unasked stops the command before it has taken any time.
Expected<std::string, Notice> soundTarget(const EncodeChoices &choices)
{
    if (choices.soundFolder.empty() || choices.soundPattern.empty())
        return refusal("--sound needs the game's sound folder and the name of its files: "
                       "--sounds DIR --sound-pattern PATTERN (such as SOUND%02d.VOC).");
    auto path = soundFilePath(choices.soundFolder, choices.soundPattern, choices.sound);
    if (!path)
        return path;
    std::error_code error;
    if (!std::filesystem::is_directory(pathFromText(choices.soundFolder), error))
        return refusal("The sound folder \"" + choices.soundFolder + "\" does not exist.");
    if (std::filesystem::exists(pathFromText(*path), error) && !choices.force)
        return refusal("The sound file \"" + *path
                       + "\" exists already. Give --force to replace it, or another --sound "
                         "number.");
    return path;
}

// Why the command may not write `output` (`what` names it in the message): it is one of the
// files the movie is read from, or it cannot be written. Asked before the encoding, which takes
// long, so that nothing fails after it.
std::optional<Notice> outputRefusal(const std::string &output, const std::string &what,
                                    const std::vector<std::string> &inputs)
{
    for (const std::string &input : inputs) {
        if (isSameFile(output, input))
            return Notice::failure("Error", what + " \"" + output
                                                    + "\" is a file the movie is read from: "
                                                      "writing it would destroy the movie.");
    }
    if (const auto writable = checkWritable(output); !writable)
        return fileFailureNotice(writable.error());
    return std::nullopt;
}

} // namespace

CommandResult encodeCommand(const std::string &moviePath, const std::string &outPath,
                            const EncodeChoices &choices)
{
    const PoolThreadsEnded poolThreadsEnded;
    const auto colors = choosePalette(choices.palette);
    if (!colors)
        return Unexpected{colors.error()};
    const auto settings = settingsOf(choices);
    if (!settings)
        return Unexpected{settings.error()};

    // Every output's fate is settled before the work: nothing is written unless all can be.
    const std::vector<std::string> inputs = movieInputFiles(moviePath);
    if (const auto refusal = outputRefusal(outPath, "OUT", inputs))
        return Unexpected{*refusal};
    std::string soundPath;
    if (choices.sound >= 0) {
        if (isPictureSequence(moviePath))
            return refusal("--sound takes the sound of a movie file; numbered pictures have "
                           "none.");
        auto target = soundTarget(choices);
        if (!target)
            return Unexpected{target.error()};
        soundPath = std::move(*target);
        if (isSameFile(soundPath, outPath))
            return refusal("The sound file \"" + soundPath + "\" and OUT are the same file.");
        if (const auto refusal = outputRefusal(soundPath, "The sound file", inputs))
            return Unexpected{*refusal};
    }

    // A size limit holds for the file written, the sound's cue included.
    const MovieBytes bytes = [withSound = !soundPath.empty()](const ItemList &items) {
        return movieFileBytes(items) + (withSound ? kItemHeaderSize + 2 : 0);
    };
    auto encoded = [&] {
        TerminalProgress progress;
        return encodeMovieWithin(moviePath, settings->input, *colors, settings->options,
                                 choices.maxBytes, progress.reporter(), bytes);
    }();
    if (!encoded)
        return Unexpected{encoded.error()};
    ItemList &items = *encoded;
    if (soundPath.empty())
        return saveAnimation(outPath, items);

    const auto track =
            movieSoundTrack(moviePath, settings->input.from, settings->input.to, kGameSoundRate);
    if (!track)
        return Unexpected{track.error()};
    // Played as the first picture shows, so that sound and pictures start together.
    items.insert(items.begin() + 1, makeSoundItem(static_cast<std::int16_t>(choices.sound)));
    const auto voc = writeVocFile(*track, kGameSoundRate);
    const FileContent sound{soundPath, voc};
    return saveAnimationWith(outPath, items, std::span(&sound, 1));
}

Expected<std::vector<std::uint8_t>, Notice>
manifestMovieAnimation(const std::string &path, const EncodeChoices &choices,
                       const PaletteColors &palette, const std::function<bool()> &goOn)
{
    const PoolThreadsEnded poolThreadsEnded;
    const auto settings = settingsOf(choices);
    if (!settings)
        return Unexpected{settings.error()};
    const auto items = encodeMovieWithin(
            path, settings->input, palette, settings->options, choices.maxBytes,
            goOn ? EncodeProgress([&goOn](double) { return goOn(); }) : EncodeProgress());
    if (!items)
        return Unexpected{items.error()};
    return writeAnimation(*items);
}

} // namespace tessa
