// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "grainfilter.h"

#include "document/animitem.h"
#include "imaging/palette.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

// A mean over this many pictures at most, so that a slow change (a fade, a drift of light) is
// followed with a lag of half as many pictures.
constexpr std::uint8_t kMostSamples = 12;
// Pictures noisier than this are filtered (grain of a standard deviation of 5 is plainly seen);
// clean photographs measure below 1, dithered ones and fine textures up to about 4.
constexpr double kGrainyNoise = 4.5;
// A component of grain of that spread moves farther than the luma's by half again, and twice
// that from one picture to the mean; a little more catches nearly every grain.
constexpr double kThresholdPerNoise = 7.0;

double lumaOf(std::uint32_t color)
{
    return 0.299 * redOf(color) + 0.587 * greenOf(color) + 0.114 * blueOf(color);
}

} // namespace

GrainFilter::GrainFilter(int threshold)
    : m_measured(threshold == kMeasured)
    , m_threshold(std::max(0, threshold))
{
}

double GrainFilter::noiseLevel(std::span<const std::uint32_t> rgb, int width)
{
    // Immerkaer's estimate: the mean absolute response to a mask that a smooth surface, an edge
    // or a ramp give almost nothing, scaled to the deviation of Gaussian noise.
    const int height = width > 0 ? int(rgb.size()) / width : 0;
    if (width < 3 || height < 3)
        return 0;
    // Each pixel's luma once, not once for each of the nine places of the mask it falls in.
    std::vector<float> luma(std::size_t(width) * std::size_t(height));
    for (std::size_t at = 0; at < luma.size(); ++at)
        luma[at] = float(lumaOf(rgb[at]));
    double sum = 0;
    for (int y = 1; y + 1 < height; ++y) {
        const float *above = &luma[std::size_t((y - 1) * width)];
        const float *row = above + width;
        const float *below = row + width;
        for (int x = 1; x + 1 < width; ++x) {
            const double response = 4.0 * row[x]
                                    - 2.0 * (row[x - 1] + row[x + 1] + above[x] + below[x])
                                    + above[x - 1] + above[x + 1] + below[x - 1] + below[x + 1];
            sum += std::fabs(response);
        }
    }
    constexpr double kHalfPi = 1.5707963267948966;
    return std::sqrt(kHalfPi) * sum / (6.0 * (width - 2) * (height - 2));
}

std::span<const std::uint32_t> GrainFilter::filter(std::span<const std::uint32_t> rgb)
{
    if (m_measured) {
        const double noise = noiseLevel(rgb, kFrameWidth);
        m_noise = m_noise < 0 ? noise : std::min(m_noise, noise);
        m_threshold = m_noise >= kGrainyNoise ? int(std::lround(kThresholdPerNoise * m_noise)) : 0;
    }
    if (m_threshold == 0)
        return rgb;
    const bool first = m_mean.empty();
    if (first) {
        m_mean.resize(rgb.size() * 3);
        m_samples.assign(rgb.size(), 0);
        m_filtered.resize(rgb.size());
    }
    const auto limit = float(m_threshold);
    for (std::size_t at = 0; at < rgb.size(); ++at) {
        const float now[3] = {float(redOf(rgb[at])), float(greenOf(rgb[at])),
                              float(blueOf(rgb[at]))};
        float *mean = &m_mean[at * 3];
        const bool changed = m_samples[at] == 0 || std::fabs(now[0] - mean[0]) > limit
                             || std::fabs(now[1] - mean[1]) > limit
                             || std::fabs(now[2] - mean[2]) > limit;
        if (changed) {
            std::copy(now, now + 3, mean);
            m_samples[at] = 1;
            m_filtered[at] = rgb[at];
            continue;
        }
        m_samples[at] = std::min<std::uint8_t>(m_samples[at] + 1, kMostSamples);
        const float weight = 1.0f / float(m_samples[at]);
        for (int c = 0; c < 3; ++c)
            mean[c] += (now[c] - mean[c]) * weight;
        m_filtered[at] =
                colorFromRgb(std::uint8_t(std::lround(mean[0])), std::uint8_t(std::lround(mean[1])),
                             std::uint8_t(std::lround(mean[2])));
    }
    return m_filtered;
}

} // namespace tessa
