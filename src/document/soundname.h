// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "document/expected.h"
#include "document/notice.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tessa {

// The numbers Add Sound takes for a sound cue.
inline constexpr int kLowestSound = 0;
inline constexpr int kHighestSound = 99;

// The sounds `items` cue, each with the first line (0-based) that cues it.
std::map<int, int> cuedSounds(const ItemList &items);

// The lowest sound number that `items` do not cue and for which `fileExists` is false: a new
// sound there neither replaces a file nor plays where another cue meant another sound. -1 when
// every number is taken.
int lowestFreeSound(const ItemList &items, const std::function<bool(int number)> &fileExists);

// The widest number a sound name pattern may ask for.
inline constexpr int kMaxSoundNumberWidth = 16;

// The file name of sound `number` from a user's pattern such as "SOUND%02d.VOC". The pattern is
// read here, never handed to printf: it may hold "%d" (the number), "%Nd" (the number padded
// with blanks to N characters), "%0Nd" (padded with zeros after any minus sign), with N from 1 to
// kMaxSoundNumberWidth, and "%%" (one "%"). It must hold the number at least once and be a plain
// file name (no "/" or "\"). Anything else is refused with a notice that names the problem.
Expected<std::string, Notice> formatSoundName(std::string_view pattern, std::int32_t number);

// The path of sound `number` in the game's sound `folder`, named by `pattern` as formatSoundName
// names it; refused as formatSoundName refuses.
Expected<std::string, Notice> soundFilePath(std::string_view folder, std::string_view pattern,
                                            std::int32_t number);

// Whether formatSoundName accepts the pattern, and why not.
Expected<Done, Notice> checkSoundPattern(std::string_view pattern);

} // namespace tessa
