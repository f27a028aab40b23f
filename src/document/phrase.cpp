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
    // Appended rather than inserted: GCC 12 warns falsely about inserting into a string.
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0)
            grouped += ',';
        grouped += digits[at];
    }
    return grouped;
}

} // namespace tessa
