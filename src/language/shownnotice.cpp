// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shownnotice.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <optional>
#include <set>
#include <vector>

namespace tessa {

namespace {

constexpr const char *kContext = "tessa::Notice";

// The core's fixed texts, for translators.
[[maybe_unused]] constexpr const char *kFixedTexts[] = {
        QT_TRANSLATE_NOOP("tessa::Notice", "Error"),
        QT_TRANSLATE_NOOP("tessa::Notice", "Invalid file type."),
        QT_TRANSLATE_NOOP("tessa::Notice", "Error preparing image entry."),
        QT_TRANSLATE_NOOP("tessa::Notice", "The file was not an 320x200 8-bit BMP."),
        QT_TRANSLATE_NOOP("tessa::Notice", "The file is too short to be a 320x200 8-bit BMP."),
        QT_TRANSLATE_NOOP("tessa::Notice", "Unknown palette file format!"),
        QT_TRANSLATE_NOOP("tessa::Notice", "The image holds no pixels."),
        QT_TRANSLATE_NOOP("tessa::Notice", "Could not save INI file."),
        QT_TRANSLATE_NOOP("tessa::Notice", "Sound"),
        QT_TRANSLATE_NOOP("tessa::Notice", "The movie was not encoded: it was stopped."),
        QT_TRANSLATE_NOOP("tessa::Notice", "The movie holds no pictures."),
        QT_TRANSLATE_NOOP("tessa::Notice", "A picture of the movie is not 320 x 200."),
        // Why a line cannot be deleted or moved.
        QT_TRANSLATE_NOOP("tessa::Notice",
                          "An animation begins with an image: the first image cannot be deleted."),
        QT_TRANSLATE_NOOP("tessa::Notice",
                          "An animation begins with an image: only an image can go first."),
        QT_TRANSLATE_NOOP("tessa::Notice", "An animation begins with an image: the line after "
                                           "the first image is not one."),
        QT_TRANSLATE_NOOP("tessa::Notice", "The last line stays last: the game stops there.")};

// The core's messages with names and numbers in them: the whole message read back from its
// English, its parts put into the translation of the same message.
struct ComposedText
{
    const char *pattern;
    const char *text;
};
const ComposedText kComposedTexts[] = {
        {R"re(The image is (\d+) x (\d+) pixels, not 320 x 200\.)re",
         QT_TRANSLATE_NOOP("tessa::Notice", "The image is %1 x %2 pixels, not 320 x 200.")},
        {R"re(Could not read "(.*)": (.*)\.)re",
         QT_TRANSLATE_NOOP("tessa::Notice", "Could not read \"%1\": %2.")},
        {R"re(Could not save "(.*)": (.*)\.)re",
         QT_TRANSLATE_NOOP("tessa::Notice", "Could not save \"%1\": %2.")},
        {R"re(Item (\d+) at byte offset (\d+) runs past the end of the file\.)re",
         QT_TRANSLATE_NOOP("tessa::Notice",
                           "Item %1 at byte offset %2 runs past the end of the file.")},
        {R"re(The BMP file is damaged: (.*)\.)re",
         QT_TRANSLATE_NOOP("tessa::Notice", "The BMP file is damaged: %1.")},
};

// A fixed text of the core's, in the user's language; nothing when it is not one.
std::optional<QString> fixedText(const std::string &text)
{
    static const std::set<std::string> fixed(std::begin(kFixedTexts), std::end(kFixedTexts));
    if (!fixed.contains(text))
        return std::nullopt;
    return QCoreApplication::translate(kContext, text.c_str());
}

// A message of English text alone: a fixed text, or one with names and numbers read back from
// its English; any other is shown as it came (the editor's own are translated already), and
// the made-up language's check finds it left in English.
QString translated(const std::string &text)
{
    if (const auto fixed = fixedText(text))
        return *fixed;
    // Compiled once: messages are shown one at a time, but each is tried on every pattern.
    static const std::vector<QRegularExpression> patterns = [] {
        std::vector<QRegularExpression> compiled;
        for (const ComposedText &composed : kComposedTexts)
            compiled.emplace_back(
                    QRegularExpression::anchoredPattern(QString::fromUtf8(composed.pattern)));
        return compiled;
    }();
    const QString english = QString::fromStdString(text);
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const QRegularExpressionMatch match = patterns[i].match(english);
        if (!match.hasMatch())
            continue;
        // All parts at once: a file name holding "%2" is not taken for a place of its own.
        const QString shown = QCoreApplication::translate(kContext, kComposedTexts[i].text);
        return match.lastCapturedIndex() == 1 ? shown.arg(match.captured(1))
                                              : shown.arg(match.captured(1), match.captured(2));
    }
    return english;
}

// `words` with each %n replaced by parts[n - 1], all at once.
QString filledIn(const QString &words, const QStringList &parts)
{
    QString sentence;
    for (qsizetype at = 0; at < words.size(); ++at) {
        const QChar next = at + 1 < words.size() ? words[at + 1] : QChar();
        const int place = next.digitValue();
        if (words[at] == QLatin1Char('%') && place >= 1 && place <= parts.size()) {
            sentence += parts[place - 1];
            ++at;
        } else {
            sentence += words[at];
        }
    }
    return sentence;
}

} // namespace

QString shownPhrase(const Phrase &phrase)
{
    switch (phrase.kind) {
    case Phrase::Kind::AsIs:
        return QString::fromStdString(phrase.text);
    case Phrase::Kind::Count:
        return QLocale().toString(qulonglong(phrase.count));
    case Phrase::Kind::Said:
        break;
    }
    QStringList parts;
    for (const Phrase &part : phrase.parts)
        parts << shownPhrase(part);
    return filledIn(QCoreApplication::translate(kContext, phrase.text.c_str()), parts);
}

QString shownRefusal(const std::string &why)
{
    return translated(why);
}

QString shownTitle(const Notice &notice)
{
    // The program's name stays as it is in every language.
    return notice.title == kProgramTitle ? QString::fromStdString(notice.title)
                                         : translated(notice.title);
}

QString shownText(const Notice &notice)
{
    if (notice.said.kind != Phrase::Kind::AsIs || !notice.said.text.empty())
        return shownPhrase(notice.said);
    if (notice.number == 0)
        return translated(notice.text);
    return QCoreApplication::translate("tessa::Notice",
                                       "Error: %1\r\nDescription: %2\r\nLocation: %3")
            .arg(QString::number(notice.number), translated(notice.description),
                 QString::fromStdString(notice.location));
}

} // namespace tessa
