// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tessa {

class EditorContext;

// Asks for a file to bring into the animation (a picture, movie, sound or reference), starting
// in the folder the last one came from, and remembers the folder of the one chosen. Empty when
// the user cancels.
QString chooseFileToImport(EditorContext &context, const QString &filter, const QString &title);

// The same for several files at once.
QStringList chooseFilesToImport(EditorContext &context, const QString &filter,
                                const QString &title);

} // namespace tessa
