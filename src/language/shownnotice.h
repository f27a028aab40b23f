// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/notice.h"

#include <QString>

namespace tessa {

// A message of the core as the user's language shows it. A message made of the program's words
// and its parts is put together here in the user's language; one of English text alone is looked
// up whole (the numbered file errors, the fixed messages, a few with names and numbers read back
// from their English), and any other stays as it came.
QString shownTitle(const Notice &notice);
QString shownText(const Notice &notice);
// A phrase of the core in the user's language: its words translated, its parts put in.
QString shownPhrase(const Phrase &phrase);
// Why the item rules refuse a deletion or a move, likewise.
QString shownRefusal(const std::string &why);

} // namespace tessa
