// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fadewatch.h"

#include "imaging/palette.h"

#include <cmath>

namespace tessa {

namespace {

// The root mean square difference, in 8-bit components, that compression noise leaves between a
// darkened picture and the darkening of its reference.
constexpr double kNoise = 6.0;
// The mean component of a picture taken for black, and of a reference too dark to judge by.
constexpr double kBlackMean = 3.0;

double meanComponent(std::span<const std::uint32_t> picture)
{
    double sum = 0;
    for (const std::uint32_t color : picture)
        sum += double(redOf(color)) + greenOf(color) + blueOf(color);
    return picture.empty() ? 0 : sum / (3.0 * double(picture.size()));
}

} // namespace

std::optional<double> darkenedBrightness(std::span<const std::uint32_t> reference,
                                         std::span<const std::uint32_t> picture)
{
    if (reference.size() != picture.size() || meanComponent(reference) <= kBlackMean)
        return std::nullopt;
    // The brightness that fits best (least squares), then how far the picture is from it.
    double product = 0;
    double square = 0;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        for (const int shift : {16, 8, 0}) {
            const double r = double((reference[i] >> shift) & 0xFF);
            const double p = double((picture[i] >> shift) & 0xFF);
            product += r * p;
            square += r * r;
        }
    }
    const double brightness = product / square;
    double error = 0;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        for (const int shift : {16, 8, 0}) {
            const double d = double((picture[i] >> shift) & 0xFF)
                             - brightness * double((reference[i] >> shift) & 0xFF);
            error += d * d;
        }
    }
    if (std::sqrt(error / (3.0 * double(picture.size()))) > kNoise)
        return std::nullopt;
    return brightness;
}

bool isBlackPicture(std::span<const std::uint32_t> picture)
{
    return meanComponent(picture) <= kBlackMean;
}

} // namespace tessa
