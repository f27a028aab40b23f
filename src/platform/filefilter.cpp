// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filefilter.h"

namespace tessa {

QStringList nameFiltersFromPipes(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString suffix = QLatin1String(" (") + patterns + QLatin1Char(')');
        // A description that already shows its patterns is used as it stands.
        filters << (description.endsWith(suffix) ? description : description + suffix);
    }
    return filters;
}

} // namespace tessa
