// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>

namespace tessa {

// `source` as a made-up language that shows what translators will meet: every letter accented,
// 40 % longer, in brackets, so that a text cut off, left in English or put together from pieces
// shows at a glance. What the program reads back keeps its form: %1 and %n, access keys (&S
// stays on the same key), file patterns after '|', HTML tags and entities.
QString pseudoText(const QString &source);

// Translates every text of the program into pseudoText().
class PseudoTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace tessa
