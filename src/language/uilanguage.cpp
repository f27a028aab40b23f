// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "uilanguage.h"

#include "pseudotranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace tessa {

namespace {

const QStringList kTranslated = {QStringLiteral("de"), QStringLiteral("fr")};

struct InstalledLanguage
{
    QString code = QStringLiteral("en");
    QString overrideCode;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

InstalledLanguage &installed()
{
    static InstalledLanguage language;
    return language;
}

// Qt's own translations: beside the program on Windows (translations\qtbase_de.qm), else where
// Qt was installed.
std::unique_ptr<QTranslator> qtTranslation(const QString &code)
{
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + code;
    const QStringList folders = {QCoreApplication::applicationDirPath()
                                         + QStringLiteral("/translations"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString &folder : folders)
        if (translator->load(name, folder))
            return translator;
    return nullptr;
}

QLocale localeOf(const QString &code)
{
    // English numbers as the program has always written them: 1,234,567.
    if (code == QLatin1String("de"))
        return QLocale(QLocale::German, QLocale::Germany);
    if (code == QLatin1String("fr"))
        return QLocale(QLocale::French, QLocale::France);
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

QList<LanguageChoice> languageChoices()
{
    return {{QString(), QCoreApplication::translate("tessa::PreferencesDialog", "System")},
            {QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Français")}};
}

QString resolvedLanguage(const QString &setting, const QLocale &system)
{
    const QString code = setting.trimmed().toLower();
    if (code == QLatin1String("en") || code == QLatin1String("pseudo")
        || kTranslated.contains(code))
        return code;
    for (const QString &wanted : system.uiLanguages()) {
        const QString language = wanted.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == QLatin1String("en") || kTranslated.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

bool applyLanguage(const QString &setting)
{
    InstalledLanguage &state = installed();
    const QString code =
            resolvedLanguage(state.overrideCode.isEmpty() ? setting : state.overrideCode);
    // The same language again (the main window reads the setting as it opens) changes nothing,
    // and spares every window a change of language.
    if (state.program && code == state.code)
        return true;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    bool loaded = true;
    if (code == QLatin1String("pseudo")) {
        program = std::make_unique<PseudoTranslator>();
    } else {
        // English too has a translation: the plural forms ("1 frame", "2 frames").
        program = std::make_unique<QTranslator>();
        if (!program->load(QStringLiteral(":/translations/tessarine-studio_") + code)) {
            program.reset();
            loaded = false;
        }
        if (code != QLatin1String("en")) {
            qt = qtTranslation(code);
            loaded = loaded && qt;
        }
    }
    // Removed first, so the windows are told once of the language they now show.
    if (state.program)
        QCoreApplication::removeTranslator(state.program.get());
    if (state.qt)
        QCoreApplication::removeTranslator(state.qt.get());
    state.program = std::move(program);
    state.qt = std::move(qt);
    state.code = code;
    QLocale::setDefault(localeOf(code));
    if (state.qt)
        QCoreApplication::installTranslator(state.qt.get());
    if (state.program)
        QCoreApplication::installTranslator(state.program.get());
    return loaded;
}

QString appliedLanguage()
{
    return installed().code;
}

void setLanguageOverride(const QString &code)
{
    installed().overrideCode = code;
}

QString languageOverride()
{
    return installed().overrideCode;
}

} // namespace tessa
