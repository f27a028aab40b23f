// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shownnotice.h"

#include <QCoreApplication>

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

QString translated(const std::string &text)
{
    return QCoreApplication::translate(kContext, text.c_str());
}

} // namespace

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
    if (notice.number == 0)
        return translated(notice.text);
    return QCoreApplication::translate("tessa::Notice",
                                       "Error: %1\r\nDescription: %2\r\nLocation: %3")
            .arg(QString::number(notice.number), translated(notice.description),
                 QString::fromStdString(notice.location));
}

} // namespace tessa
