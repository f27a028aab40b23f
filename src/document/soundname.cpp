// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundname.h"

#include "nativefile.h"

#include <algorithm>
#include <cstdlib>

namespace tessa {

namespace {

Unexpected<Notice> refuse(std::string text)
{
    return Unexpected{Notice::plain(std::move(text))};
}

std::string numberText(std::int32_t number, int width, bool zeros)
{
    const bool negative = number < 0;
    // Through 64 bits, so that the smallest 32-bit number has a magnitude too.
    std::string digits = std::to_string(std::llabs(static_cast<long long>(number)));
    const std::size_t used = digits.size() + (negative ? 1 : 0);
    const std::size_t padding =
            width > 0 && used < std::size_t(width) ? std::size_t(width) - used : 0;
    if (zeros)
        return (negative ? "-" : "") + std::string(padding, '0') + digits;
    return std::string(padding, ' ') + (negative ? "-" : "") + digits;
}

// Both jobs in one pass, so that checking and formatting can never disagree.
Expected<std::string, Notice> expand(std::string_view pattern, std::int32_t number)
{
    if (pattern.empty())
        return refuse("The sound name pattern is empty.");
    if (pattern.find_first_of("/\\") != std::string_view::npos)
        return refuse("The sound name pattern must be a file name, without \"/\" or \"\\\".");

    std::string name;
    bool hasNumber = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            name += pattern[i];
            continue;
        }
        const std::size_t start = i++;
        if (i < pattern.size() && pattern[i] == '%') {
            name += '%';
            continue;
        }
        const bool zeros = i < pattern.size() && pattern[i] == '0';
        if (zeros)
            ++i;
        int width = 0;
        std::size_t digitCount = 0;
        while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9' && digitCount < 3) {
            width = width * 10 + (pattern[i] - '0');
            ++i;
            ++digitCount;
        }
        const bool widthOk = digitCount == 0 ? !zeros : width >= 1 && width <= kMaxSoundNumberWidth;
        if (i >= pattern.size() || pattern[i] != 'd' || !widthOk) {
            const std::size_t end = std::min(pattern.size(), i + 1);
            return refuse("The sound name pattern may hold only %d, %Nd, %0Nd (N from 1 to "
                          + std::to_string(kMaxSoundNumberWidth) + ") and %%, not \""
                          + std::string(pattern.substr(start, end - start)) + "\".");
        }
        name += numberText(number, width, zeros);
        hasNumber = true;
    }
    if (!hasNumber)
        return refuse("The sound name pattern must hold the sound number as %d.");
    return name;
}

} // namespace

Expected<std::string, Notice> formatSoundName(std::string_view pattern, std::int32_t number)
{
    return expand(pattern, number);
}

Expected<Done, Notice> checkSoundPattern(std::string_view pattern)
{
    Expected<std::string, Notice> name = expand(pattern, 0);
    if (!name)
        return Unexpected{name.error()};
    return Done{};
}

Expected<std::string, Notice> soundFilePath(std::string_view folder, std::string_view pattern,
                                            std::int32_t number)
{
    const auto name = formatSoundName(pattern, number);
    if (!name)
        return Unexpected{name.error()};
    return textFromPath(pathFromText(folder) / pathFromText(*name));
}

std::map<int, int> cuedSounds(const ItemList &items)
{
    std::map<int, int> cued;
    for (int line = 0; line < int(items.size()); ++line) {
        if (items[std::size_t(line)].Code == kCodeSound)
            cued.emplace(payloadValue(items[std::size_t(line)]), line);
    }
    return cued;
}

int lowestFreeSound(const ItemList &items, const std::function<bool(int number)> &fileExists)
{
    const std::map<int, int> cued = cuedSounds(items);
    for (int number = kLowestSound; number <= kHighestSound; ++number) {
        if (!cued.contains(number) && !(fileExists && fileExists(number)))
            return number;
    }
    return -1;
}

} // namespace tessa
