// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessa {

// How a movie's picture is made into the 320 x 200 screen, which the game shows at 4:3: the
// picture is fitted to 4:3 and squeezed into the 200 rows.
enum class MovieFit {
    Crop,    // cut evenly to 4:3
    Pad,     // black bars around it up to 4:3
    Stretch, // the whole picture stretched to 4:3
};

// "crop", "pad" or "stretch"; nothing for anything else.
std::optional<MovieFit> movieFitNamed(const std::string &name);

// The 320 x 200 colours (as colorFromRgb makes them, top row first) of `picture` fitted by `fit`,
// scaled smoothly, so that fine detail does not shimmer from picture to picture. A picture of
// exactly 320 x 200 is taken as it is. `picture` must not be null.
std::vector<std::uint32_t> fitMoviePicture(const QImage &picture, MovieFit fit);

} // namespace tessa
