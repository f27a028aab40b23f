// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encodemoviefile.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tessa {

// How large the animation of a movie will be, told before it is made (Import Movie's dialog),
// by the encoder itself: a short part is encoded whole, a longer one in samples spread over it.
struct MovieSizeEstimate
{
    std::size_t bytes = 0; // as encodeMovieWithin counts them; with a limit kept, at most that
    bool exact = false;    // the whole part was encoded, not samples of it
    // Set when not even the lowest quality keeps the limit: about what that quality takes. Of a
    // sampled part, only where it is clearly beyond the limit: the import tries the rest.
    std::optional<std::size_t> lowestQualityBytes;
    double encodedSeconds = 0; // seconds of the movie the estimate encoded
    double importSeconds = 0;  // seconds of the movie encodeMovieWithin will encode, every pass
};

// A part of a movie up to this long is encoded whole for its estimate.
inline constexpr double kWholeEstimateSeconds = 6.0;

// The estimate for encodeMovieWithin(path, input, palette, options, maxBytes, {}, bytes), or its
// refusal. `lengthSeconds` is how long the whole movie lasts as far as is known (0: not known,
// when the part is encoded whole).
Expected<MovieSizeEstimate, Notice>
estimateMovieSize(const std::string &path, const MovieInput &input, double lengthSeconds,
                  const PaletteColors &palette, const EncodeOptions &options, std::size_t maxBytes,
                  const MovieBytes &bytes = {});

} // namespace tessa
