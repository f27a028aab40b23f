// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/application.h"
#include "language/uilanguage.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // No screen is needed: every dialog is answered by the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tessa::describeApplication(); // as the program does
    // The texts the tests expect, whatever the language of the machine they run on.
    tessa::setLanguageOverride(QStringLiteral("en"));
    tessa::applyLanguage(QString());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
