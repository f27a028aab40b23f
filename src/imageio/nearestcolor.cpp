// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "nearestcolor.h"

#include <limits>

namespace tessa {

namespace {

// Room for every pixel of a frame to be a colour of its own at under half load.
constexpr std::size_t kSlots = 1 << 17;

} // namespace

NearestColor::NearestColor(const PaletteColors &palette, const IndexSet &excluded)
    : m_keys(kSlots, kEmpty)
    , m_values(kSlots, 0)
{
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (!excluded[i])
            m_candidates.push_back({redOf(palette[i]), greenOf(palette[i]), blueOf(palette[i]),
                                    static_cast<std::uint8_t>(i)});
    }
}

std::uint8_t NearestColor::search(int red, int green, int blue) const
{
    int best = std::numeric_limits<int>::max();
    std::uint8_t index = 0;
    for (const Candidate &c : m_candidates) {
        const int distance = squaredDistance(red, green, blue, c.red, c.green, c.blue);
        if (distance < best) {
            best = distance;
            index = c.index;
            if (distance == 0)
                break;
        }
    }
    return index;
}

std::uint8_t NearestColor::nearest(int red, int green, int blue)
{
    const auto key = static_cast<std::uint32_t>(red << 16 | green << 8 | blue);
    std::size_t slot = (key * 2654435761u) >> 15 & (kSlots - 1);
    while (m_keys[slot] != kEmpty) {
        if (m_keys[slot] == key)
            return m_values[slot];
        slot = (slot + 1) & (kSlots - 1);
    }
    const std::uint8_t index = search(red, green, blue);
    // Past three quarters full the probes grow long: keep answering, stop remembering.
    if (m_filled < kSlots / 4 * 3) {
        m_keys[slot] = key;
        m_values[slot] = index;
        ++m_filled;
    }
    return index;
}

} // namespace tessa
