// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animitem.h"
#include "expected.h"
#include "notice.h"

#include <cstdint>
#include <string>

namespace tessa {

// Why sound `number` cannot be written where the game's sounds are. Each place that writes one
// (tessanim, the editor, scripts) words it its own way, naming its own choices.
struct SoundTargetRefusal
{
    enum class Kind {
        NoPlace,    // the folder or the file name pattern is not set
        BadNumber,  // `number` is not a sound number (kLowestSound to kHighestSound)
        BadPattern, // the pattern is refused: `patternNotice` says why
        NoFolder,   // the folder does not exist
        Exists      // the file exists and replacing it was not asked for
    };
    Kind kind = Kind::NoPlace;
    std::int32_t number = 0;
    std::string folder;
    std::string path; // of the file, where it is known
    Notice patternNotice;
};

// The file sound `number` goes to in the game's sound `folder`, named by `pattern`
// (formatSoundName); refused when either is empty, the number is not a sound's, the pattern is
// refused, the folder is missing, or the file exists and `replace` is false.
Expected<std::string, SoundTargetRefusal> soundTarget(const std::string &folder,
                                                      const std::string &pattern,
                                                      std::int32_t number, bool replace);


} // namespace tessa
