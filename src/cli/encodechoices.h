// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace tessa {

// The choices of `tessanim encode` and of a manifest's movie line, as typed.
struct EncodeChoices
{
    std::string palette = "main";
    int quality = 75;
    std::uint64_t maxBytes = 0; // 0: no limit
    double tickRate = 70.0;
    double pauseMultiplier = 1.0;
    double fps = 25.0; // pictures a second of a folder or pattern of pictures
    double from = 0.0; // seconds into the movie
    double to = -1.0;  // seconds into the movie; below 0: to its end
    std::string fit = "crop";
    // The movie's sound written as the game's sound `sound` (below 0: not written), named by
    // soundPattern in soundFolder, replacing a file there only with `force`.
    int sound = -1;
    std::string soundFolder;
    std::string soundPattern;
    bool force = false;
};

} // namespace tessa
