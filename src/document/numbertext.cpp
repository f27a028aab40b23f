// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

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

double toDouble(std::string_view number)
{
    // from_chars takes no leading '+'.
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = !number.empty() && number.front() == '-';
        // Too large gives an infinite value (then refused by the range checks), too small 0.
        const auto exponent = number.find_first_of("eE");
        const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size()
                          && number[exponent + 1] == '-';
        if (tiny)
            return 0.0;
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
