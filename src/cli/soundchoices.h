// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace tessa {

// The choices of `tessanim sound`, as typed: sound `number` written in `soundFolder` under the
// name `soundPattern` gives it, from the part of the audio between `from` and `to` seconds.
struct SoundChoices
{
    std::int32_t number = 0;
    std::string soundFolder;
    std::string soundPattern;
    double from = 0.0;
    double to = -1.0; // below 0: to its end
    bool keepLevel = false;
    bool force = false; // replace an existing sound file (kept as .bak)
};

} // namespace tessa
