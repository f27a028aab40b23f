// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberranges.h"

#include "document/numbertext.h"

#include <cmath>

namespace tessa {

namespace {

// 2000000000 rather than 2e+09, as a person types it.
std::string numberText(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    return shortestDecimal(value);
}

} // namespace

bool NumberRange::holds(double value) const
{
    if (!std::isfinite(value) || (whole && value != std::floor(value)))
        return false;
    return (zeroMeansNone && value == 0) || (value >= low && value <= high);
}

std::string rangeText(const NumberRange &range)
{
    const std::string span = "from " + numberText(range.low) + " to " + numberText(range.high);
    if (range.zeroMeansNone)
        return "0 (no limit) or a whole number " + span;
    return range.whole ? "a whole number " + span : span;
}

std::optional<std::string> rangeRefusal(std::string_view name, const NumberRange &range,
                                        double value)
{
    if (range.holds(value))
        return std::nullopt;
    const std::string shown = std::isfinite(value) ? numberText(value) : "that";
    return std::string(name) + " must be " + rangeText(range) + ", not " + shown;
}

Expected<double, std::string> numberInRange(std::string_view name, std::string_view text,
                                            const NumberRange &range)
{
    const auto value = parseNumber(text);
    if (!value || !std::isfinite(*value))
        return Unexpected{std::string(name) + ": \"" + std::string(text) + "\" is not a number"};
    if (auto refusal = rangeRefusal(name, range, *value))
        return Unexpected{std::move(*refusal)};
    return *value;
}

} // namespace tessa
