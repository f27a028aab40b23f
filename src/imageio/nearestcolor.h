// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/palette.h"
#include "indexranges.h"

#include <cstdint>
#include <vector>

namespace tessa {

// The palette index whose colour is nearest (Euclidean distance in 8-bit red, green, blue) to any
// colour, among the indices not excluded; ties go to the smaller index. Each colour asked for is
// worked out once and remembered, since an image repeats its colours many times over.
class NearestColor
{
public:
    // `excluded` must leave at least one index (see hasCandidates).
    NearestColor(const PaletteColors &palette, const IndexSet &excluded);

    bool hasCandidates() const { return !m_candidates.empty(); }
    std::uint8_t nearest(int red, int green, int blue);

private:
    struct Candidate
    {
        int red, green, blue;
        std::uint8_t index;
    };

    std::uint8_t search(int red, int green, int blue) const;

    std::vector<Candidate> m_candidates;
    // Open addressing on the 24-bit colour; kEmpty marks a free slot.
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
    std::vector<std::uint32_t> m_keys;
    std::vector<std::uint8_t> m_values;
    std::size_t m_filled = 0;
};

// The squared Euclidean distance of two colours in 8-bit components.
inline int squaredDistance(int r1, int g1, int b1, int r2, int g2, int b2)
{
    return (r1 - r2) * (r1 - r2) + (g1 - g2) * (g1 - g2) + (b1 - b2) * (b1 - b2);
}

} // namespace tessa
