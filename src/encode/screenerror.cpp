// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenerror.h"

#include "document/animitem.h"
#include "luma.h"

#include <algorithm>

namespace tessa {

namespace {

constexpr std::size_t kSize = std::size_t(kFrameSize);

} // namespace

ScreenError::ScreenError(const PaletteColors &palette)
    : m_eye(1.0, 4)
    , m_window(1.5, 5)
    , m_paletteLuma(palette.size())
{
    for (std::size_t i = 0; i < palette.size(); ++i)
        m_paletteLuma[i] = lumaOf(palette[i]);
    for (Plane *plane : {&m_picture, &m_weight, &m_meanWeight, &m_freshSlope, &m_slope, &m_error,
                         &m_meanError, &m_scratch})
        plane->resize(kSize);
}

double ScreenError::setPicture(std::span<const std::uint32_t> rgb,
                               std::span<const std::uint8_t> fresh)
{
    for (std::size_t at = 0; at < kSize; ++at)
        m_picture[at] = lumaOf(rgb[at]);
    // The local mean m and variance v of the picture's blurred luma, over SSIM's window.
    Plane &mean = m_scratch, &square = m_error;
    m_eye.apply(m_picture, mean);
    for (std::size_t at = 0; at < kSize; ++at)
        square[at] = mean[at] * mean[at];
    m_window.apply(mean, mean);
    m_window.apply(square, square);
    // For small errors E (the screen's blurred luma less the picture's), of local mean e and
    // variance s, SSIM falls by e^2 / (2 m^2 + C1) + s / (2 v + C2), and s is the window's mean
    // of E^2 less e^2: each pixel's E^2 weighs the window's mean of 1 / (2 v + C2) there.
    for (std::size_t at = 0; at < kSize; ++at) {
        const float m = mean[at];
        const float contrastWeight = 1 / (2 * std::max(0.0f, square[at] - m * m) + kSsimC2);
        m_weight[at] = contrastWeight;
        m_meanWeight[at] = 1 / (2 * m * m + kSsimC1) - contrastWeight;
    }
    m_window.apply(m_weight, m_weight);
    m_fresh.assign(fresh.begin(), fresh.end());
    return measureInto(fresh, m_freshSlope) / double(kSize);
}

double ScreenError::measure(std::span<const std::uint8_t> shown)
{
    return measureInto(shown, m_slope) / double(kSize);
}

double ScreenError::measureInto(std::span<const std::uint8_t> shown, Plane &slope)
{
    for (std::size_t at = 0; at < kSize; ++at)
        m_scratch[at] = m_paletteLuma[shown[at]] - m_picture[at];
    m_eye.apply(m_scratch, m_error);
    m_window.apply(m_error, m_meanError);
    double sum = 0;
    for (std::size_t at = 0; at < kSize; ++at)
        sum += m_weight[at] * m_error[at] * m_error[at]
               + m_meanWeight[at] * m_meanError[at] * m_meanError[at];
    // The loss is sum W E^2 + sum a e^2 (W and a the weights above, e the window's mean of E).
    // A change d of pixel p's luma adds d times the eye's blur around p to E, which moves the
    // loss by 2 d (blur(W E) + blur(window(a e)))(p), to first order: the slope, halved.
    for (std::size_t at = 0; at < kSize; ++at)
        m_scratch[at] = m_meanWeight[at] * m_meanError[at];
    m_window.apply(m_scratch, m_scratch);
    for (std::size_t at = 0; at < kSize; ++at)
        m_scratch[at] += m_weight[at] * m_error[at];
    m_eye.apply(m_scratch, slope);
    return std::max(0.0, sum);
}

float ScreenError::gainOfFresh(std::size_t at, std::uint8_t shown) const
{
    // Halfway, the slope is the mean of the two screens' slopes (it is linear in the screen);
    // each holds half of it already.
    const float d = m_paletteLuma[m_fresh[at]] - m_paletteLuma[shown];
    return -d * (m_slope[at] + m_freshSlope[at]);
}

} // namespace tessa
