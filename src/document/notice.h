// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phrase.h"

#include <cstdint>
#include <string>

namespace tessa {

inline constexpr const char *kProgramTitle = "Tessarine Animation Studio";

// A message for the user, as data: the window shows it as a modal box in the user's language,
// the command-line tool prints its English text. The core never shows anything itself.
struct Notice
{
    enum class Icon { None, Information, Critical };

    Icon icon = Icon::None;
    std::string title;
    std::string text; // in English
    // The message in its parts, when it was made of them: the window makes its sentence in the
    // user's language from these. (Messages made of English text alone are looked up whole.)
    Phrase said;

    // Set for the numbered file-format errors only; 0 otherwise.
    std::int32_t number = 0;
    std::string description;
    std::string location;

    // The error box: title "Error", critical icon, three lines joined by CR LF.
    static Notice error(std::int32_t number, std::string description, std::string location);
    // The information box: the program title as title, information icon.
    static Notice info(std::string text);
    // A box with no icon, titled with the program title.
    static Notice plain(std::string text);
    // A failure of the system (a file that cannot be written, ...), critical icon.
    static Notice failure(std::string title, std::string text);
    // The same, made of the program's words and their parts.
    static Notice info(Phrase message);
    static Notice failure(std::string title, Phrase message);

    bool operator==(const Notice &) const = default;
};

} // namespace tessa
