// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// Enlarges a 320 x 200 frame of palette indices by whole pixels, the same way for every movie
// format. With the 4:3 aspect the 200 rows become 240: output row r shows image row r * 5 / 6
// (rounded down), so of each 6 output rows the first two show the same image row. Then every
// pixel becomes scale x scale pixels.
class ScreenScaler
{
public:
    ScreenScaler(int scale, bool aspect43);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // The image row that output row `row` shows.
    int sourceRow(int row) const { return m_sourceRows[static_cast<std::size_t>(row)]; }

    // Writes the enlarged frame into `out` (width() * height() indices, top row first).
    void scale(std::span<const std::uint8_t> frame, std::vector<std::uint8_t> &out) const;

private:
    int m_scale;
    int m_width;
    int m_height;
    std::vector<int> m_sourceRows;
};

} // namespace tessa
