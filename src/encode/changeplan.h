// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// What may become of a pixel of the next image.
enum class PixelChange : std::uint8_t {
    Impossible, // it would keep its index: it cannot be part of a run
    Optional,   // stored if what it gains is worth its cost
    Required,   // stored whatever it costs
};

// Which pixels of an image to store again. The image is stored as runs of pixels that differ from
// the one before, each run costing a header as well as its pixels (FrameChanges::streamSize), so
// a pixel next to others being stored costs a byte, and one on its own seven. The plan taken
// gains the most for its bytes: it stores a set of pixels whose total gain less `costPerByte`
// for every byte they take is the largest, with every Required pixel stored and no Impossible
// one, over the pixels in the order of their offsets. `gains` and `changes` are as long.
std::vector<bool> planChanges(std::span<const float> gains, std::span<const PixelChange> changes,
                              double costPerByte);

} // namespace tessa
