// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tessa {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the longest number at the start of `text`, 0 when there is none.
std::size_t numberLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t fraction = i + 1;
        while (fraction < text.size() && isDigit(text[fraction])) {
            ++fraction;
            ++digits;
        }
        if (digits > 0)
            i = fraction;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t exponent = i + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t firstDigit = exponent;
        while (exponent < text.size() && isDigit(text[exponent]))
            ++exponent;
        if (exponent > firstDigit)
            i = exponent;
    }
    return i;
}

// The power of ten of the first significant digit of a well-formed number (1 for "12.5", -1 for
// "0.05", 401 for "1" and 400 zeros), saturated far beyond what a double holds; nothing for a
// number whose digits are all zero.
std::optional<long long> decimalMagnitude(std::string_view number)
{
    constexpr long long kFar = 1'000'000'000;
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-'))
        ++i;
    // Each integer digit after the first significant one raises its power by one.
    std::optional<long long> magnitude;
    for (; i < number.size() && isDigit(number[i]); ++i) {
        if (magnitude)
            magnitude = std::min(*magnitude + 1, kFar);
        else if (number[i] != '0')
            magnitude = 0;
    }
    if (i < number.size() && number[i] == '.') {
        long long position = 0;
        for (++i; i < number.size() && isDigit(number[i]); ++i) {
            position = std::max(position - 1, -kFar);
            if (!magnitude && number[i] != '0')
                magnitude = position;
        }
    }
    if (!magnitude)
        return std::nullopt;
    long long exponent = 0;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        for (; i < number.size() && isDigit(number[i]); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), kFar);
        if (negative)
            exponent = -exponent;
    }
    return *magnitude + exponent;
}

double toDouble(std::string_view number)
{
    // from_chars takes no leading '+'.
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond a double's range one way or the other: the value decides which, not how the
        // text is written ("0.000...5" is tiny without an exponent, "1000...e-10" huge with a
        // negative one).
        const bool negative = number.front() == '-';
        const std::optional<long long> magnitude = decimalMagnitude(number);
        if (!magnitude || *magnitude < 0)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    text = trimBlanks(text);
    const std::size_t length = numberLength(text);
    if (length == 0 || length != text.size())
        return std::nullopt;
    return toDouble(text);
}

double parseLeadingNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    const std::size_t length = numberLength(text);
    return length == 0 ? 0.0 : toDouble(text.substr(0, length));
}

std::optional<std::int32_t> roundToInt32(double value)
{
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min()
          && rounded <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::string shortestDecimal(double value)
{
    if (value == 0)
        value = 0; // no "-0"
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace tessa
