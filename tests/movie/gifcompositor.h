// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessa::test {

// A GIF as a viewer shows it, decoded by giflib: after each frame (its rectangle drawn with its
// colour table over the picture before, its transparent pixels leaving that picture, then its
// disposal) the whole screen, a colorFromRgb value a pixel, and the frame's delay.
struct CompositedGif
{
    int width = 0;
    int height = 0;
    std::vector<std::vector<std::uint32_t>> frames;
    std::vector<int> delays;
};

// A pixel no frame has drawn yet.
inline constexpr std::uint32_t kNeverDrawn = 0xFF000000;

// Nothing when giflib cannot read `path`, or a frame has no table, lies outside the screen or
// uses an index its table does not have.
std::optional<CompositedGif> compositeGif(const std::string &path);

} // namespace tessa::test
