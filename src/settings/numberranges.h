// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/soundname.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessa {

// The numbers a user gives the program: for each, the one range that `tessanim encode` and
// `render`, a manifest's movie line, scripts and the editor's dialogs all take, so that a value
// one of them accepts is never refused by another. Values outside are refused with the range.
struct NumberRange
{
    double low = 0;
    double high = 0;
    bool whole = false;         // whole numbers only
    bool zeroMeansNone = false; // 0 is taken as well, meaning "none" (no limit)

    bool holds(double value) const;
};

// The game plays 70 ticks a second; other engines count 60, 18.2 (the PC's timer), tenths or
// seconds. Below one a second nothing would move; past a thousand no screen keeps up.
inline constexpr NumberRange kTickRateRange{1, 1000};
// Ticks per pause unit: a pause item of 255 units lasts at least 25 ticks, at most 25,500.
inline constexpr NumberRange kPauseMultiplierRange{0.1, 100};
inline constexpr NumberRange kQualityRange{0, 100, true};
// The size an animation may take: 0 for no limit; none smaller holds a picture worth seeing.
inline constexpr NumberRange kMaxBytesRange{1000, 2'000'000'000, true, true};
// Pictures a second of numbered pictures: one every ten seconds up to one every tick.
inline constexpr NumberRange kPicturesPerSecondRange{0.1, 1000};
// Seconds into a movie (from, to): a day.
inline constexpr NumberRange kMovieSecondsRange{0, 86400};
// Whole enlargement of every pixel of a rendered movie.
inline constexpr NumberRange kScaleRange{1, 8, true};
inline constexpr NumberRange kSoundNumberRange{kLowestSound, kHighestSound, true};

// "from 1 to 1000", "0 (no limit) or from 1000 to 2000000000", "a whole number from 0 to 100".
std::string rangeText(const NumberRange &range);

// Why `value` is refused as `name`: "--tick-rate must be from 1 to 1000, not 0"; nothing when
// the range holds it.
std::optional<std::string> rangeRefusal(std::string_view name, const NumberRange &range,
                                        double value);

// The number typed as `text` for `name`, or why not: "--max-bytes: \"abc\" is not a number", or
// rangeRefusal's sentence.
Expected<double, std::string> numberInRange(std::string_view name, std::string_view text,
                                            const NumberRange &range);

} // namespace tessa
