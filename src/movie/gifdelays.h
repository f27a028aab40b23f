// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace tessa {

// GIF delays count hundredths of a second and browsers stretch anything below 2 to about 10, so
// the delays are worked out on a clock of hundredths: each screen starts at its moment rounded
// to the nearest hundredth, which carries every rounding error forward instead of adding them
// up. A screen that would last less than kMinGifDelay is dropped, and the time goes to the
// screen after it, so the total always matches. The last screen is what the movie ends on (the
// black after a fade out), so it always stays: when it is too short it takes time from the one
// before, dropping that one when it would become too short itself.
inline constexpr int kMinGifDelay = 2;

// How the last two screens share the end of the movie.
struct GifEnding
{
    int previous = 0; // the delay of the screen before the last; 0: dropped
    int last = 0;
};

class GifDelays
{
public:
    // The first screen starts at `seconds`; the movie's clock starts there.
    void start(double seconds);
    // The next screen starts at `seconds`. The result is the delay of the screen before it, or 0
    // when that screen is dropped (the new one then starts where the dropped one would have).
    int next(double seconds);
    // The movie ends at `seconds`; `previous` is the delay next() gave the screen before the
    // last one (0 when there is none).
    GifEnding finish(double seconds, int previous) const;

private:
    long long m_origin = 0;
    long long m_pendingStart = 0;
};

// The delay of every screen of a whole movie, 0 for dropped ones, as the GIF writer gives them:
// `moments` are the screens' starts, `end` the movie's end.
std::vector<int> planGifDelays(const std::vector<double> &moments, double end);

} // namespace tessa
