// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shownline.h"

#include <QCoreApplication>

namespace tessa {

namespace {

// The labels the core gives the items, for translators.
constexpr const char *kContext = "tessa::ItemList";
[[maybe_unused]] constexpr const char *kLabels[] = {
        QT_TRANSLATE_NOOP("tessa::ItemList", "Image"),
        QT_TRANSLATE_NOOP("tessa::ItemList", "Fade in"),
        QT_TRANSLATE_NOOP("tessa::ItemList", "Fade out"),
        QT_TRANSLATE_NOOP("tessa::ItemList", "Pause"),
        QT_TRANSLATE_NOOP("tessa::ItemList", "Play sound"),
        QT_TRANSLATE_NOOP("tessa::ItemList", "End")};

} // namespace

QString shownLine(const QString &line)
{
    const qsizetype colon = line.indexOf(QLatin1String(": "));
    const QString label = colon < 0 ? line : line.left(colon);
    const QString shownLabel = QCoreApplication::translate(kContext, label.toUtf8().constData());
    if (colon < 0)
        return shownLabel;
    //: An item's label and its number, as in "Pause: 120".
    return QCoreApplication::translate("tessa::ItemList", "%1: %2")
            .arg(shownLabel, line.mid(colon + 2));
}

} // namespace tessa
