// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tessa {

// What is left of the picture of an image file that stops before its own structure says it
// ends, in words for the user ("only part of the picture is there"); nothing for a whole file
// and for kinds that do not say where they end. PNG ends with its IEND chunk, JPEG with its end
// marker after the last scan, GIF (its first picture, the one read) with the end of that
// picture's data, BMP at the size its header gives and after its last row of uncompressed pixels.
// Image readers are lenient about such files: Qt's JPEG reader paints what is missing grey,
// its BMP and GIF readers stop at the last row there is, so this is told from the bytes.
std::optional<std::string> cutShortRemains(std::span<const std::uint8_t> file);

} // namespace tessa
