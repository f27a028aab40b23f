// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

namespace tessa {

// The settings file's section and key for the language the editor is shown in.
inline constexpr const char *kLanguageSection = "Language";
inline constexpr const char *kLanguageKey = "Language";

// A language Edit > Preferences offers: its code in the settings file ("" for the system's
// language) and its name, in its own language.
struct LanguageChoice
{
    QString code;
    QString name;
};

// System, English, Deutsch, Français.
QList<LanguageChoice> languageChoices();

// The language `setting` stands for: "en", "de", "fr" or "pseudo" (the made-up language that
// checks the program's texts). The system's language where `setting` is empty or unknown, and
// English where the system's has no translation.
QString resolvedLanguage(const QString &setting, const QLocale &system = QLocale::system());

// Shows the program in `setting`'s language from now on: its own texts and Qt's (standard
// buttons, file dialogs), numbers and sizes in that language's form. Every window follows at
// once (Qt sends each a LanguageChange). False when a translation could not be loaded; the texts
// are English then.
bool applyLanguage(const QString &setting);

// The language applied last, as resolvedLanguage() gives it ("en" before any).
QString appliedLanguage();

// A language chosen for this run only (the command line's --language), which the settings file's
// choice does not replace; "" for none.
void setLanguageOverride(const QString &code);
QString languageOverride();

} // namespace tessa
