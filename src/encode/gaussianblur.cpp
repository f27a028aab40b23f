// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gaussianblur.h"

#include "document/animitem.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

// Where index `i` of a line of `size` lands when the line is mirrored at its ends.
int mirrored(int i, int size)
{
    while (i < 0 || i >= size)
        i = i < 0 ? -i - 1 : 2 * size - i - 1;
    return i;
}

// target[x] = the sum over the taps of weights[tap] * sources[tap][x], for a row of the frame:
// one loop along the row a tap, which the compiler turns into vector instructions.
void weightedSum(std::span<const float> weights, const float *const *sources,
                 float *__restrict target)
{
    for (int x = 0; x < kFrameWidth; ++x)
        target[x] = 0;
    for (std::size_t tap = 0; tap < weights.size(); ++tap) {
        const float weight = weights[tap];
        const float *__restrict source = sources[tap];
        for (int x = 0; x < kFrameWidth; ++x)
            target[x] += weight * source[x];
    }
}

} // namespace

GaussianBlur::GaussianBlur(double sigma, int radius)
    : m_taps(std::size_t(2 * radius + 1))
    , m_sources(m_taps.size())
    , m_padded(std::size_t(kFrameWidth + 2 * radius))
    , m_rows(std::size_t(kFrameSize))
{
    double sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += std::exp(-0.5 * i * i / (sigma * sigma));
    for (int i = -radius; i <= radius; ++i)
        m_taps[std::size_t(i + radius)] = float(std::exp(-0.5 * i * i / (sigma * sigma)) / sum);
}

void GaussianBlur::apply(std::span<const float> in, std::span<float> out)
{
    const int radius = int(m_taps.size() / 2);
    // Along the rows, each row copied with its mirrored ends first.
    for (std::size_t tap = 0; tap < m_taps.size(); ++tap)
        m_sources[tap] = &m_padded[tap];
    for (int y = 0; y < kFrameHeight; ++y) {
        const float *row = &in[std::size_t(y * kFrameWidth)];
        std::copy(row, row + kFrameWidth, m_padded.begin() + radius);
        for (int x = 1; x <= radius; ++x) {
            m_padded[std::size_t(radius - x)] = row[mirrored(-x, kFrameWidth)];
            m_padded[std::size_t(radius + kFrameWidth - 1 + x)] =
                    row[mirrored(kFrameWidth - 1 + x, kFrameWidth)];
        }
        weightedSum(m_taps, m_sources.data(), &m_rows[std::size_t(y * kFrameWidth)]);
    }
    // Then along the columns, a whole row of sums at a time.
    for (int y = 0; y < kFrameHeight; ++y) {
        for (std::size_t tap = 0; tap < m_taps.size(); ++tap)
            m_sources[tap] = &m_rows[std::size_t(mirrored(y + int(tap) - radius, kFrameHeight)
                                                 * kFrameWidth)];
        weightedSum(m_taps, m_sources.data(), &out[std::size_t(y * kFrameWidth)]);
    }
}

} // namespace tessa
