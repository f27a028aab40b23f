// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tessa {

// Turns "description|pattern|description|pattern" into Qt's name filters, one per pair:
// "BitMap Files (*.bmp)|*.bmp" gives "BitMap Files (*.bmp)", "GAMEPAL.OBJ|GAMEPAL.OBJ" gives
// "GAMEPAL.OBJ (GAMEPAL.OBJ)". Qt reads the patterns from the parentheses at the end.
QStringList nameFiltersFromPipes(const QString &filter);

} // namespace tessa
