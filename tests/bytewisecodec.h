// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessa::test {

// The frame codec written the plain way, one byte at a time: the yardstick the fast codec must
// match byte for byte, and the speed it is measured against. Same contracts as encodeFrame and
// decodeFrame.
void bytewiseEncode(std::span<const std::uint8_t> frame, std::span<const std::uint8_t> reference,
                    std::vector<std::uint8_t> &out);
bool bytewiseDecode(std::span<const std::uint8_t> stream, std::span<std::uint8_t> frame);

} // namespace tessa::test
