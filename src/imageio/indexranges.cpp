// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "indexranges.h"

#include <charconv>
#include <optional>

namespace tessa {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> index(std::string_view word)
{
    word = trimmed(word);
    int value = -1;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || value < 0
        || value > 255)
        return std::nullopt;
    return value;
}

} // namespace

Expected<IndexSet, std::string> parseIndexRanges(std::string_view text)
{
    IndexSet set{};
    if (trimmed(text).empty())
        return set;
    while (true) {
        const auto comma = text.find(',');
        const std::string_view part = trimmed(text.substr(0, comma));
        const auto dash = part.find('-');
        const auto low = index(part.substr(0, dash));
        const auto high = dash == std::string_view::npos ? low : index(part.substr(dash + 1));
        if (!low || !high || *high < *low)
            return Unexpected{"\"" + std::string(part)
                              + "\" is not an index from 0 to 255 nor a range such as 0-15."};
        for (int i = *low; i <= *high; ++i)
            set[std::size_t(i)] = true;
        if (comma == std::string_view::npos)
            return set;
        text.remove_prefix(comma + 1);
    }
}

std::string indexRangesText(const IndexSet &indices)
{
    std::string text;
    for (int i = 0; i < 256;) {
        if (!indices[std::size_t(i)]) {
            ++i;
            continue;
        }
        int last = i;
        while (last + 1 < 256 && indices[std::size_t(last + 1)])
            ++last;
        if (!text.empty())
            text += ", ";
        text += std::to_string(i);
        if (last > i)
            text += "-" + std::to_string(last);
        i = last + 1;
    }
    return text;
}

} // namespace tessa
