// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessa {

// Numbers typed by people or written in text files: an optional sign, digits with an optional
// decimal part, an optional exponent. "12", " 2.5 ", "-1", "1e2", ".5" and "7." are numbers.

// The value when the whole text, blanks (spaces and tabs) around it aside, is one number.
std::optional<double> parseNumber(std::string_view text);

// The value of the number at the start of `text` (leading blanks skipped), reading up to the
// first character that cannot continue it; 0 when the text does not start with a number.
double parseLeadingNumber(std::string_view text);

// `value` rounded to the nearest whole number, halves to the even neighbour, when the result
// fits a signed 32-bit integer.
std::optional<std::int32_t> roundToInt32(double value);

// The shortest decimal text that reads back as `value`, without a leading blank: 7, 2.5, -1.
std::string shortestDecimal(double value);

} // namespace tessa
