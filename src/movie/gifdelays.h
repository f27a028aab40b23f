// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace tessa {

// GIF delays count hundredths of a second and browsers stretch anything below 2 to about 10, so
// the delays are worked out on a clock of hundredths: each screen starts at its moment rounded
// to the nearest hundredth, which carries every rounding error forward instead of adding them
// up. A screen that would last less than kMinGifDelay is dropped, and the time goes to the
// screen after it (or, at the end, to the one before), so the total always matches.
inline constexpr int kMinGifDelay = 2;

class GifDelays
{
public:
    // The first screen starts at `seconds`; the movie's clock starts there.
    void start(double seconds);
    // The next screen starts at `seconds`. The result is the delay of the screen before it, or 0
    // when that screen is dropped (the new one then starts where the dropped one would have).
    int next(double seconds);
    // The movie ends at `seconds`. The result is the last screen's delay, or 0 when it is too
    // short and its time goes to the screen before (add it with lastMerged()).
    int finish(double seconds, bool havePrevious);
    // What finish() gave to the screen before when it returned 0.
    int lastMerged() const { return m_merged; }

private:
    long long m_origin = 0;
    long long m_pendingStart = 0;
    int m_merged = 0;
};

// The delay of every screen of a whole movie, 0 for dropped ones, as the GIF writer gives them:
// `moments` are the screens' starts, `end` the movie's end.
std::vector<int> planGifDelays(const std::vector<double> &moments, double end);

} // namespace tessa
