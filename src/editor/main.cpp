// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "frm.h"
#include "language/uilanguage.h"
#include "platform/qtdialogs.h"
#include "studiopaths.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    tessa::describeApplication();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tessarine-studio.png")));

    QCommandLineParser parser;
    parser.setApplicationDescription(
            QApplication::translate("main", "Editor for Tessarine cut-scene animations."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QApplication::translate("main", "An animation file to open."),
                                 QStringLiteral("[file]"));
    QCommandLineOption language(
            QStringLiteral("language"),
            QApplication::translate("main", "Shows the editor in <code> (en, de, fr) for this run, "
                                            "whatever Edit > Preferences chose."),
            QStringLiteral("code"));
    parser.addOption(language);
    parser.process(application);
    tessa::setLanguageOverride(parser.value(language));

    tessa::QtDialogs dialogs;
    tessa::frm window(dialogs, tessa::currentStudioPaths());
    window.setWindowIcon(QApplication::windowIcon());
    window.show();
    if (!parser.positionalArguments().isEmpty())
        window.OpenAnim(parser.positionalArguments().first());
    // Work left by a run that ended without closing, once the window is up.
    QTimer::singleShot(0, &window, &tessa::frm::offerRecovery);
    // For screenshots of the About box without a window manager or a mouse.
    if (qEnvironmentVariableIsSet("TESSA_SHOW_ABOUT"))
        QTimer::singleShot(0, window.mnuHelpAbout, &QAction::trigger);
    return application.exec();
}
