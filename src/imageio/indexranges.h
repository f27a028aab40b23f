// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"

#include <array>
#include <string>
#include <string_view>

namespace tessa {

// One flag per palette index.
using IndexSet = std::array<bool, 256>;

// The indices of a text such as "0-15, 240-255" or "7": comma-separated single indices or
// ranges "low-high" (both included), blanks allowed around every part, empty text for none.
// Refuses anything else with a sentence naming the part that is wrong.
Expected<IndexSet, std::string> parseIndexRanges(std::string_view text);

// The shortest text parseIndexRanges reads back as `indices`: "0-15, 240-255".
std::string indexRangesText(const IndexSet &indices);

} // namespace tessa
