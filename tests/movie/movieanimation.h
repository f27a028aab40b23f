// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"

#include <cstdint>
#include <vector>

namespace tessa::test {

// Corner pixels that tell the two images apart: top-left and bottom-right.
inline constexpr int kTopLeftA = 20;
inline constexpr int kTopLeftB = 40;
inline constexpr int kBottomRight = 200;

inline AnimItem cornerImage(std::uint8_t topLeft)
{
    std::vector<std::uint8_t> pixels(kFrameSize, 7);
    pixels.front() = topLeft;
    pixels.back() = kBottomRight;
    return makeImageItem(std::move(pixels));
}

// Image A fades in (30 ticks), stays 10 ticks, image B replaces it and fades out: 70 ticks.
inline ItemList fadingAnimation()
{
    return {cornerImage(kTopLeftA), makeFadeInItem(),  makePauseItem(10), makeSoundItem(1),
            cornerImage(kTopLeftB), makeFadeOutItem(), makeEndItem()};
}

} // namespace tessa::test
