// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenscaler.h"

#include "document/animitem.h"

#include <algorithm>
#include <cstring>

namespace tessa {

ScreenScaler::ScreenScaler(int scale, bool aspect43)
    : m_scale(std::max(scale, 1))
    , m_width(kFrameWidth * m_scale)
{
    const int rows = aspect43 ? kFrameHeight * 6 / 5 : kFrameHeight;
    m_height = rows * m_scale;
    m_sourceRows.reserve(static_cast<std::size_t>(m_height));
    for (int row = 0; row < m_height; ++row) {
        const int unscaled = row / m_scale;
        m_sourceRows.push_back(aspect43 ? unscaled * 5 / 6 : unscaled);
    }
}

void ScreenScaler::scale(std::span<const std::uint8_t> frame, std::vector<std::uint8_t> &out) const
{
    const auto width = static_cast<std::size_t>(m_width);
    out.resize(width * static_cast<std::size_t>(m_height));
    for (int row = 0; row < m_height; ++row) {
        std::uint8_t *target = out.data() + width * static_cast<std::size_t>(row);
        const int source = m_sourceRows[static_cast<std::size_t>(row)];
        // A row that shows the same image row as the one above is a copy of it.
        if (row > 0 && source == m_sourceRows[static_cast<std::size_t>(row - 1)]) {
            std::memcpy(target, target - width, width);
            continue;
        }
        const std::uint8_t *from = frame.data() + std::size_t(source) * kFrameWidth;
        if (m_scale == 1) {
            std::memcpy(target, from, width);
            continue;
        }
        for (int x = 0; x < kFrameWidth; ++x)
            std::memset(target + std::size_t(x) * std::size_t(m_scale), from[x],
                        std::size_t(m_scale));
    }
}

} // namespace tessa
