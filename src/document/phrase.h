// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The program's own words, in English, with %1, %2, ... where the parts of a message go. The
// editor's translation tool reads TESSA_WORDS as QT_TRANSLATE_NOOP, so every sentence made of
// them reaches the translators; the context is always "tessa::Notice".
#define TESSA_WORDS(context, english) (::tessa::Words{english})

namespace tessa {

struct Words
{
    const char *english;
};

// What a message says, kept in its parts so that each reader gets the sentence in their own
// language: the program's words with the parts that go into their places (translated where the
// message is shown), or a name, a path or the system's reason (shown as it is), or a count
// (written as the reader's language writes numbers).
struct Phrase
{
    enum class Kind { AsIs, Said, Count };

    Kind kind = Kind::AsIs;
    std::string text; // AsIs: the text; Said: the English words
    std::uint64_t count = 0;
    std::vector<Phrase> parts; // Said: what goes into %1, %2, ...

    Phrase() = default;
    // A name, a path or the system's reason. (A string literal is no phrase: the program's own
    // words are TESSA_WORDS.)
    Phrase(std::string asIs)
        : text(std::move(asIs))
    {
    }
    Phrase(Words words, std::vector<Phrase> parts = {})
        : kind(Kind::Said)
        , text(words.english)
        , parts(std::move(parts))
    {
    }
    static Phrase number(std::uint64_t value)
    {
        Phrase phrase;
        phrase.kind = Kind::Count;
        phrase.count = value;
        return phrase;
    }

    // The phrase in English, as tessanim prints it: counts with their thousands separated by
    // commas.
    std::string english() const;

    bool operator==(const Phrase &) const = default;
};

// `value` with its thousands separated by commas: 1,234,567.
std::string withThousands(std::uint64_t value);

} // namespace tessa
