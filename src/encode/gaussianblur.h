// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

namespace tessa {

// A Gaussian blur of planes of kFrameWidth x kFrameHeight floats (top row first), the edges
// mirrored (c b a | a b c | c b a), the kernel cut off at `radius` and its weights made to sum
// to 1: as SciPy's gaussian_filter blurs, so that what the encoder judges by is what the quality
// measure of bench/encode-pipelines measures.
class GaussianBlur
{
public:
    GaussianBlur(double sigma, int radius);

    // Blurs `in` into `out` (both kFrameSize floats; they may be the same).
    void apply(std::span<const float> in, std::span<float> out);

    // The weights along one direction, 2 * radius + 1 of them, the middle one at radius.
    std::span<const float> taps() const { return m_taps; }

private:
    std::vector<float> m_taps;
    std::vector<const float *> m_sources; // where each tap reads a row of the pass under way
    std::vector<float> m_padded;          // a row and its mirrored ends
    std::vector<float> m_rows;            // blurred along the rows
};

} // namespace tessa
