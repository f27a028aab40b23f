// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace tessa::fuzz {

// The original file that the patch target applies every input to, and that the seed patches
// were made from: an image, a pause, a second image, an unknown item, End, a stray byte.
inline const std::vector<std::uint8_t> &patchBase()
{
    // One item a line.
    // clang-format off
    static const std::vector<std::uint8_t> base = {
            'G', 'R', 1, 0, 0, 0, 17, 0, 0, 0, 3, 1, 0, 5, 0, 4, 0, 9, 9, 9, 9, 0, 0, 0, 0, 0, 0,
            'P', 'A', 2, 0, 0, 0, 2, 0, 0, 0, 30, 0,
            'G', 'R', 3, 0, 0, 0, 13, 0, 0, 0, 1, 0, 7, 0, 1, 0, 8, 0, 0, 0, 0, 0, 0,
            'Z', 'Z', 4, 0, 0, 0, 3, 0, 0, 0, 1, 2, 3,
            'X', 'X', 5, 0, 0, 0, 0, 0, 0, 0,
            0x58};
    // clang-format on
    return base;
}

} // namespace tessa::fuzz
