// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace tessa {

// Whether the pictures of a movie are one picture darkening: `picture` is `reference` with every
// colour component scaled by one brightness, within what a lossy movie's noise allows. The
// brightness (0 to about 1), or nothing when the picture is something else. Both hold kFrameSize
// colours as colorFromRgb makes them; a black reference gives nothing.
std::optional<double> darkenedBrightness(std::span<const std::uint32_t> reference,
                                         std::span<const std::uint32_t> picture);

// Whether `picture` is black to the eye, as a movie that has faded out is.
bool isBlackPicture(std::span<const std::uint32_t> picture);

} // namespace tessa
