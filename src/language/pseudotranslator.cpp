// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pseudotranslator.h"

#include <QStringList>

namespace tessa {

namespace {

QChar accented(QChar c)
{
    static const QString plain = QStringLiteral("aceinousyACEINOUSYgkltzrdh");
    static const QString marked = QStringLiteral("àçéîñöüšýÅÇÉÎÑÖÜŠÝĝķļţžŕďĥ");
    const auto at = plain.indexOf(c);
    return at < 0 ? c : marked[at];
}

// Accents the letters of plain text (no tags), keeping what follows % and & as it is.
QString accentedText(QStringView text, qsizetype &letters)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c == QLatin1Char('%') || c == QLatin1Char('&')) && i + 1 < text.size()) {
            // %1, %n, %L1, %%; &S (the access key), && and entities such as &amp;
            out += c;
            qsizetype j = i + 1;
            if (c == QLatin1Char('&')) {
                qsizetype end = j;
                while (end < text.size() && text[end].isLetterOrNumber())
                    ++end;
                if (end < text.size() && text[end] == QLatin1Char(';') && end > j)
                    j = end + 1; // an entity, kept whole
                else
                    j = j + 1;
            } else {
                if (text[j] == QLatin1Char('L'))
                    ++j;
                while (j < text.size() && (text[j].isDigit() || text[j] == QLatin1Char('n')))
                    ++j;
                j = std::max(j, i + 2);
            }
            out += text.mid(i + 1, j - i - 1);
            i = j - 1;
            continue;
        }
        if (c.isLetter())
            ++letters;
        out += accented(c);
    }
    return out;
}

// Accents the text between tags, leaving tags alone.
QString accentedMarkup(const QString &source, qsizetype &letters)
{
    QString out;
    qsizetype i = 0;
    while (i < source.size()) {
        if (source[i] == QLatin1Char('<')) {
            const qsizetype close = source.indexOf(QLatin1Char('>'), i);
            const qsizetype end = close < 0 ? source.size() : close + 1;
            out += source.mid(i, end - i);
            i = end;
            continue;
        }
        qsizetype next = source.indexOf(QLatin1Char('<'), i);
        if (next < 0)
            next = source.size();
        out += accentedText(QStringView(source).mid(i, next - i), letters);
        i = next;
    }
    return out;
}

QString padding(qsizetype letters)
{
    // 40 % more, so a text of 10 letters takes 14 places, at least one more.
    return QString((letters * 4 + 9) / 10, QChar(u'·'));
}

} // namespace

QString pseudoText(const QString &source)
{
    if (source.isEmpty())
        return source;
    // "Description|pattern|...": the patterns are read by the program.
    if (source.contains(QLatin1Char('|')) && source.contains(QLatin1Char('*'))) {
        QStringList parts = source.split(QLatin1Char('|'));
        for (qsizetype i = 0; i < parts.size(); i += 2)
            parts[i] = pseudoText(parts[i]);
        return parts.join(QLatin1Char('|'));
    }
    qsizetype letters = 0;
    if (source.startsWith(QLatin1Char('<'))) {
        // Rich text: the brackets go inside the outermost tags, where they are shown.
        QString marked = accentedMarkup(source, letters);
        const qsizetype first = marked.indexOf(QLatin1Char('>')) + 1;
        const qsizetype last = marked.lastIndexOf(QLatin1Char('<'));
        if (first <= 0 || last < first)
            return marked;
        marked.insert(last, QLatin1Char(' ') + padding(letters) + QLatin1Char(']'));
        marked.insert(first, QLatin1Char('['));
        return marked;
    }
    const QString marked = accentedText(source, letters);
    return QLatin1Char('[') + marked + QLatin1Char(' ') + padding(letters) + QLatin1Char(']');
}

QString PseudoTranslator::translate(const char *, const char *sourceText, const char *, int) const
{
    return pseudoText(QString::fromUtf8(sourceText));
}

} // namespace tessa
