// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stablemapper.h"

#include "document/animitem.h"

#include <algorithm>

namespace tessa {

namespace {

// At quality 0 a byte must lower the screen's error (ScreenError) by this much to be stored, and
// a pixel may stay stale this long; at quality 100 every change is stored at once. The cost falls
// with the square of the quality lost: at the default 75 it is a sixteenth of this, which keeps
// the screen as close to the movie as dithering every picture afresh does.
constexpr double kHighestCostPerByte = 1600;
constexpr double kLongestStale = 3.0;

} // namespace

StableMapper::StableMapper(const PaletteColors &palette, int quality)
    : m_dither(palette)
{
    const double loss = (100 - std::clamp(quality, 0, 100)) / 100.0;
    m_costPerByte = kHighestCostPerByte * loss * loss;
    m_staleSeconds = kLongestStale * loss;
}

int StableMapper::map(std::span<const std::uint32_t> rgb, double seconds)
{
    const bool first = m_shown.empty();
    if (first) {
        m_shown.assign(kFrameSize, 0);
        m_staleFor.assign(kFrameSize, 0.0f);
        m_fresh.resize(kFrameSize);
        m_gains.resize(kFrameSize);
        m_changes.resize(kFrameSize);
    }
    const auto elapsed = float(first ? 0.0 : std::max(0.0, seconds - m_lastSeconds));
    m_lastSeconds = seconds;

    if (!first)
        m_error.measure(m_shown, m_dither.palette(), rgb);
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            const std::size_t at = std::size_t(y * kFrameWidth + x);
            const std::uint8_t fresh = m_dither.index(rgb[at], x, y);
            m_fresh[at] = fresh;
            if (first) {
                m_changes[at] = PixelChange::Required;
                continue;
            }
            const std::uint8_t old = m_shown[at];
            if (fresh == old) {
                m_staleFor[at] = 0;
                m_changes[at] = PixelChange::Impossible;
                continue;
            }
            m_staleFor[at] += elapsed;
            // A change to the fresh index is never counted as a loss: the estimate judges each
            // pixel as though its neighbours stayed, and they are brought to the same pattern.
            const PaletteColors &palette = m_dither.palette();
            m_gains[at] = std::max(0.0f, m_error.gainOfChange(at, palette[old], palette[fresh]));
            m_changes[at] = m_staleFor[at] >= m_staleSeconds ? PixelChange::Required
                                                             : PixelChange::Optional;
        }
    }

    const std::vector<bool> store = planChanges(m_gains, m_changes, m_costPerByte);
    int changed = 0;
    for (std::size_t at = 0; at < std::size_t(kFrameSize); ++at) {
        if (!store[at])
            continue;
        m_shown[at] = m_fresh[at];
        m_staleFor[at] = 0;
        ++changed;
    }
    return changed;
}

} // namespace tessa
