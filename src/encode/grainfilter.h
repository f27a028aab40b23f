// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// Takes film grain and sensor noise out of a movie's pictures before they are mapped to the
// palette. Where a pixel changes from picture to picture by no more than noise does, it shows
// the mean of its values since it last changed for real; a larger change is the picture's own,
// taken at once. A still picture under grain then keeps its indices instead of storing the grain
// anew in every picture, and what moves is followed as it was.
//
// How much is noise is measured in the pictures themselves (the spread of what no smooth
// picture has: the second differences between neighbours). A clean movie, whose pictures show
// little of it, goes through untouched.
class GrainFilter
{
public:
    // `threshold`: the largest change of a colour component (0 to 255) taken for noise; 0 lets
    // every picture through as it is, and kMeasured measures it in the pictures.
    static constexpr int kMeasured = -1;
    explicit GrainFilter(int threshold = kMeasured);

    // The noise of a picture of `width` columns, as the standard deviation of its luma (0 to
    // 255) that would give the second differences it has.
    static double noiseLevel(std::span<const std::uint32_t> rgb, int width);

    // `rgb` (colours as colorFromRgb makes them) with the grain taken out; valid until the next
    // call. Every picture must have as many pixels as the first.
    std::span<const std::uint32_t> filter(std::span<const std::uint32_t> rgb);

private:
    bool m_measured;
    double m_noise = -1; // the lowest noiseLevel() of the pictures so far
    int m_threshold;
    std::vector<float> m_mean;           // red, green, blue of each pixel
    std::vector<std::uint8_t> m_samples; // how many pictures each mean is over
    std::vector<std::uint32_t> m_filtered;
};

} // namespace tessa
