// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screensimilarity.h"

#include "document/animitem.h"
#include "luma.h"

namespace tessa {

namespace {

constexpr int kEdge = 5; // the window's radius: where it does not fit

} // namespace

ScreenSimilarity::ScreenSimilarity()
    : m_eye(1.0, 4)
    , m_window(1.5, 5)
{
    for (auto *plane : {&m_a, &m_b, &m_squareA, &m_squareB, &m_product})
        plane->resize(std::size_t(kFrameSize));
}

void ScreenSimilarity::blurredLuma(std::span<const std::uint32_t> rgb, std::vector<float> &luma)
{
    for (std::size_t at = 0; at < luma.size(); ++at)
        luma[at] = lumaOf(rgb[at]);
    m_eye.apply(luma, luma);
}

double ScreenSimilarity::between(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b)
{
    blurredLuma(a, m_a);
    blurredLuma(b, m_b);
    for (std::size_t at = 0; at < m_a.size(); ++at) {
        m_squareA[at] = m_a[at] * m_a[at];
        m_squareB[at] = m_b[at] * m_b[at];
        m_product[at] = m_a[at] * m_b[at];
    }
    for (auto *plane : {&m_a, &m_b, &m_squareA, &m_squareB, &m_product})
        m_window.apply(*plane, *plane);
    double sum = 0;
    for (int y = kEdge; y < kFrameHeight - kEdge; ++y) {
        for (int x = kEdge; x < kFrameWidth - kEdge; ++x) {
            const auto at = std::size_t(y * kFrameWidth + x);
            const double ma = m_a[at], mb = m_b[at];
            const double va = m_squareA[at] - ma * ma, vb = m_squareB[at] - mb * mb;
            const double cov = m_product[at] - ma * mb;
            sum += (2 * ma * mb + kSsimC1) * (2 * cov + kSsimC2)
                   / ((ma * ma + mb * mb + kSsimC1) * (va + vb + kSsimC2));
        }
    }
    return sum / double((kFrameHeight - 2 * kEdge) * (kFrameWidth - 2 * kEdge));
}

} // namespace tessa
