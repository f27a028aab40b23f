// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tessa {

// A line of the item list ("Pause: 120", "Fade in") as the user's language shows it. The
// document keeps its lines in the file's own words, which the list shows in English.
QString shownLine(const QString &line);

} // namespace tessa
