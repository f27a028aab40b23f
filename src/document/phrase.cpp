// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "phrase.h"

namespace tessa {

std::string Phrase::english() const
{
    if (kind == Kind::AsIs)
        return text;
    if (kind == Kind::Count)
        return withThousands(count);
    // Every place at once: a part holding "%2" is not taken for a place of its own.
    std::string english;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (text[at] == '%' && next >= '1' && next <= '9'
            && std::size_t(next - '1') < parts.size()) {
            english += parts[std::size_t(next - '1')].english();
            ++at;
        } else {
            english += text[at];
        }
    }
    return english;
}

std::string withThousands(std::uint64_t value)
{
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

} // namespace tessa
