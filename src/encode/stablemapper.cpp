// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stablemapper.h"

#include "document/animitem.h"
#include "imageio/ordereddither.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

// At quality 0 a pixel may be this much worse than its fresh index, and stale this long; both
// shrink in proportion to nothing at quality 100, where every change is stored.
constexpr double kLargestDrift = 60.0;
constexpr double kLongestStale = 3.0;

double distance(std::uint32_t a, std::uint32_t b)
{
    return std::sqrt(double(
            squaredDistance(redOf(a), greenOf(a), blueOf(a), redOf(b), greenOf(b), blueOf(b))));
}

} // namespace

StableMapper::StableMapper(const PaletteColors &palette, int quality)
    : m_palette(palette)
    , m_nearest(palette, IndexSet{})
{
    const double loss = (100 - std::clamp(quality, 0, 100)) / 100.0;
    m_drift = kLargestDrift * loss;
    m_staleSeconds = kLongestStale * loss;
}

int StableMapper::map(std::span<const std::uint32_t> rgb, double seconds)
{
    const bool first = m_shown.empty();
    if (first) {
        m_shown.assign(kFrameSize, 0);
        m_staleFor.assign(kFrameSize, 0.0f);
    }
    const auto elapsed = float(first ? 0.0 : std::max(0.0, seconds - m_lastSeconds));
    m_lastSeconds = seconds;

    int changed = 0;
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            const std::size_t at = std::size_t(y * kFrameWidth + x);
            const std::uint32_t want = rgb[at];
            // The colour ordered dithering aims at here: the picture's, moved by the pattern.
            const int offset = orderedDitherOffset(x, y);
            const std::uint32_t aim =
                    colorFromRgb(std::uint8_t(std::clamp(redOf(want) + offset, 0, 255)),
                                 std::uint8_t(std::clamp(greenOf(want) + offset, 0, 255)),
                                 std::uint8_t(std::clamp(blueOf(want) + offset, 0, 255)));
            const std::uint8_t fresh = m_nearest.nearest(redOf(aim), greenOf(aim), blueOf(aim));
            const std::uint8_t old = m_shown[at];
            if (fresh == old) {
                m_staleFor[at] = 0;
                continue;
            }
            m_staleFor[at] += elapsed;
            // Measured from the aim, not the picture's colour: a dithered pixel is off its colour
            // by design. Noise that moves the aim by less than half the drift allowed never
            // makes the shown index worse than the fresh one by more than that.
            const bool drifted =
                    distance(m_palette[old], aim) > distance(m_palette[fresh], aim) + m_drift;
            if (first || drifted || m_staleFor[at] >= m_staleSeconds) {
                m_shown[at] = fresh;
                m_staleFor[at] = 0;
                ++changed;
            }
        }
    }
    return changed;
}

} // namespace tessa
