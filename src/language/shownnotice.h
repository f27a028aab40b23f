// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/notice.h"

#include <QString>

namespace tessa {

// A message of the core as the user's language shows it. The core words its messages in
// English, shared with tessanim; the numbered file errors and the fixed messages are translated
// here, and a message with a file name or a system's reason in it stays as the core wrote it.
QString shownTitle(const Notice &notice);
QString shownText(const Notice &notice);
// Why the item rules refuse a deletion or a move, likewise.
QString shownRefusal(const std::string &why);

} // namespace tessa
