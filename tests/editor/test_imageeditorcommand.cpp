// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The image editor's command line: "%f" as one argument whatever the file's name holds, and the
// command line that Browse... makes of a chosen program.
#include "editor/imageeditorcommand.h"
#include "editorfixture.h"
#include "platform/preferencesdialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace tessa::test {
namespace {

TEST(ImageEditorCommand, TheFileIsOneArgumentWhereverItStands)
{
    const QString file = QStringLiteral("/home/a b/it's \"here\".png");
    const QString native = QDir::toNativeSeparators(file);
    const struct
    {
        const char *commandLine;
        QStringList expected;
    } cases[] = {
            {"gimp %f", {"gimp", native}},
            {"gimp \"%f\"", {"gimp", native}},
            {"\"/opt/My Paint/paint\" -n %f", {"/opt/My Paint/paint", "-n", native}},
            {"grafx2 --open=%f", {"grafx2", "--open=" + native}},
            {"aseprite", {"aseprite", native}}, // no %f: the file goes last
            {"  ", {}},
            {"", {}},
    };
    for (const auto &test : cases)
        EXPECT_EQ(imageEditorCommand(QString::fromUtf8(test.commandLine), file), test.expected)
                << test.commandLine;
}

TEST(ImageEditorCommand, AProgramThatCannotStartIsSaidSo)
{
    const auto failure = startImageEditor(QStringLiteral("/nonexistent/paint %f"), "/tmp/a.png");
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->startsWith("The image editor \""
                                    + QDir::toNativeSeparators("/nonexistent/paint")))
            << failure->toStdString();
}

TEST(PreferencesDialog, BrowseMakesACommandLineThatSplitsBackToTheProgram)
{
    for (const QString &program :
         {QStringLiteral("/usr/bin/gimp"), QStringLiteral("/opt/Pixel Studio/run"),
          QStringLiteral("/opt/odd\"name/run")}) {
        ScriptedDialogs dialogs;
        PreferencesDialog dialog(dialogs, ToolPreferences{"/usr/local/bin/paint %f", {}, {}});
        dialogs.answerOpen(program);
        dialog.browse();
        ASSERT_EQ(dialogs.calls.size(), 1u);
        // /usr/local/bin, on the current drive on Windows.
        EXPECT_EQ(dialogs.calls[0].initialFolder, QFileInfo("/usr/local/bin").absoluteFilePath());
        EXPECT_EQ(dialog.preferences().imageEditor, commandLineFor(program));
        EXPECT_EQ(imageEditorCommand(dialog.preferences().imageEditor, "/f.png"),
                  QStringList({program, QDir::toNativeSeparators("/f.png")}));
    }
}

TEST(PreferencesDialog, ShowsAndReturnsTheSettings)
{
    ScriptedDialogs dialogs;
    const ToolPreferences bmp{"mtpaint %f", ToolPreferences::ImageFormat::Bmp, {}};
    PreferencesDialog dialog(dialogs, bmp);
    EXPECT_EQ(dialog.preferences(), bmp);
    dialog.txtImageEditor->setText("  ");
    dialog.cboImageFormat->setCurrentIndex(0);
    EXPECT_EQ(dialog.preferences(), ToolPreferences{});
    dialogs.answerOpen(QString()); // Browse cancelled: nothing changes
    dialog.browse();
    EXPECT_EQ(dialog.preferences(), ToolPreferences{});
}

} // namespace
} // namespace tessa::test
