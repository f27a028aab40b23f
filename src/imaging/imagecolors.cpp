// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagecolors.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace tessa {

std::optional<ImageColors> imageColorsNamed(std::string_view word)
{
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (lower == "keep")
        return ImageColors::Keep;
    if (lower == "match")
        return ImageColors::Match;
    if (lower == "dither")
        return ImageColors::Dither;
    return std::nullopt;
}

} // namespace tessa
