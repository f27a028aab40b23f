// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tessanim sound: any audio FFmpeg reads made into one of the game's sound files.
#include "commands.h"

#include "document/soundname.h"
#include "document/soundtarget.h"
#include "imageformats.h"
#include "refusal.h"
#include "soundimport/soundimport.h"

#include <cmath>

namespace tessa {

namespace {

Unexpected<Notice> targetRefused(const SoundTargetRefusal &why)
{
    using Kind = SoundTargetRefusal::Kind;
    switch (why.kind) {
    case Kind::NoPlace:
        break;
    case Kind::BadNumber:
        return refusal("The sound number must be from " + std::to_string(kLowestSound) + " to "
                       + std::to_string(kHighestSound) + ", not " + std::to_string(why.number)
                       + ".");
    case Kind::BadPattern:
        return Unexpected{why.patternNotice};
    case Kind::NoFolder:
        return refusal("The sound folder \"" + why.folder + "\" does not exist.");
    case Kind::Exists:
        return refusal("The sound file \"" + why.path
                       + "\" exists already. Give --force to replace it (the old one is kept "
                         "as .bak), or another number.");
    }
    return refusal("The game's sound folder and the name of its files are needed: --sounds DIR "
                   "--sound-pattern PATTERN (such as SOUND%02d.VOC).");
}

Expected<Done, Notice> checkSoundPart(double from, double to)
{
    if (!std::isfinite(from) || from < 0 || !std::isfinite(to) || (to >= 0 && to <= from))
        return refusal("--from must be 0 or more, and --to after it.");
    return Done{};
}

} // namespace

CommandResult soundCommand(const std::string &audioPath, const SoundChoices &choices)
{
    // Everything that can be refused is, before the sound is read.
    if (auto part = checkSoundPart(choices.from, choices.to); !part)
        return part;
    const auto target =
            soundTarget(choices.soundFolder, choices.soundPattern, choices.number, choices.force);
    if (!target)
        return targetRefused(target.error());
    return makeGameSound(audioPath, {{choices.from, choices.to}, choices.keepLevel}, *target);
}

Expected<Done, Notice> writeSoundFile(const std::string &audioPath, double from, double to,
                                      bool keepLevel, const std::string &soundPath)
{
    return makeGameSound(audioPath, {{from, to}, keepLevel}, soundPath);
}

} // namespace tessa
