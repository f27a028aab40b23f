// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenerror.h"

#include "document/animitem.h"

#include <algorithm>

namespace tessa {

namespace {

constexpr int kComponents = 3;
constexpr int kRowFloats = kFrameWidth * kComponents;
// [1 2 1] / 4 twice is [1 4 6 4 1] / 16.
constexpr float kTaps[5] = {1 / 16.f, 4 / 16.f, 6 / 16.f, 4 / 16.f, 1 / 16.f};
// The sum of the squares of the weights of [1 2 1] / 4 in both directions: what a change at a
// pixel adds to the error on its own, for each unit of its squared size.
constexpr float kSelfWeight = (1 / 16.f + 1 / 4.f + 1 / 16.f) * (1 / 16.f + 1 / 4.f + 1 / 16.f);

// Each row of `in` blurred along the row into `out`, the edge pixels repeated past the ends.
void blurRows(const std::vector<float> &in, std::vector<float> &out)
{
    std::vector<float> padded(kRowFloats + 4 * kComponents);
    for (int y = 0; y < kFrameHeight; ++y) {
        const float *row = &in[std::size_t(y) * kRowFloats];
        for (int c = 0; c < kComponents; ++c) {
            padded[std::size_t(c)] = padded[std::size_t(kComponents + c)] = row[c];
            padded[std::size_t(kRowFloats + 2 * kComponents + c)] =
                    padded[std::size_t(kRowFloats + 3 * kComponents + c)] =
                            row[kRowFloats - kComponents + c];
        }
        std::copy(row, row + kRowFloats, padded.begin() + 2 * kComponents);
        float *target = &out[std::size_t(y) * kRowFloats];
        for (int i = 0; i < kRowFloats; ++i) {
            float sum = 0;
            for (int tap = 0; tap < 5; ++tap)
                sum += kTaps[tap] * padded[std::size_t(i + tap * kComponents)];
            target[i] = sum;
        }
    }
}

// Each column of `in` blurred along the column into `out`, the edge rows repeated.
void blurColumns(const std::vector<float> &in, std::vector<float> &out)
{
    for (int y = 0; y < kFrameHeight; ++y) {
        const float *rows[5];
        for (int tap = 0; tap < 5; ++tap)
            rows[tap] = &in[std::size_t(std::clamp(y + tap - 2, 0, kFrameHeight - 1)) * kRowFloats];
        float *target = &out[std::size_t(y) * kRowFloats];
        for (int i = 0; i < kRowFloats; ++i) {
            float sum = 0;
            for (int tap = 0; tap < 5; ++tap)
                sum += kTaps[tap] * rows[tap][i];
            target[i] = sum;
        }
    }
}

} // namespace

void ScreenError::measure(std::span<const std::uint8_t> shown, const PaletteColors &palette,
                          std::span<const std::uint32_t> rgb)
{
    m_blurred.resize(std::size_t(kFrameSize) * kComponents);
    m_scratch.resize(m_blurred.size());
    for (std::size_t at = 0; at < std::size_t(kFrameSize); ++at) {
        const std::uint32_t on = palette[shown[at]];
        const std::uint32_t want = rgb[at];
        m_blurred[at * 3] = float(redOf(on)) - float(redOf(want));
        m_blurred[at * 3 + 1] = float(greenOf(on)) - float(greenOf(want));
        m_blurred[at * 3 + 2] = float(blueOf(on)) - float(blueOf(want));
    }
    blurRows(m_blurred, m_scratch);
    blurColumns(m_scratch, m_blurred);
}

float ScreenError::gainOfChange(std::size_t at, std::uint32_t from, std::uint32_t to) const
{
    // The error is the sum over pixels p of |B(p)|^2, B the blurred difference. Changing pixel
    // `at` by d adds w(p - at) d to each B(p), so the error changes by
    // 2 d . sum_p w(p - at) B(p) + |d|^2 sum w^2, and the first sum is the blur of B at `at`.
    const float d[3] = {float(redOf(to)) - float(redOf(from)),
                        float(greenOf(to)) - float(greenOf(from)),
                        float(blueOf(to)) - float(blueOf(from))};
    const float *blurred = &m_blurred[at * 3];
    const float along = d[0] * blurred[0] + d[1] * blurred[1] + d[2] * blurred[2];
    return -2 * along - kSelfWeight * (d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
}

} // namespace tessa
