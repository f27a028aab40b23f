// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The editor on Windows: paths as Windows users write them, and a file another program holds
// open.
#include "animbytes.h"
#include "document/animitem.h"
#include "editorfixture.h"
#include "heldopen.h"

using namespace tessa;
using namespace tessa::test;

namespace {

const ItemList kOneImage{makeImageItem(frameOf(4)), makeEndItem()};

} // namespace

// Qt's file dialog gives C:/Games/EANIM.QLM; the user reads C:\Games\EANIM.QLM everywhere.
TEST_F(EditorTest, PathsAreWrittenAndShownWithDriveLettersAndBackslashes)
{
    const QString file = writeAnimation("EANIM.QLM", kOneImage);
    start();
    open(QString(file).replace(QLatin1Char('\\'), QLatin1Char('/')));

    ASSERT_EQ(window->fileName(), file);
    EXPECT_EQ(file.mid(1, 2), QStringLiteral(":\\"));
    const QString folderPath = file.left(file.lastIndexOf(QLatin1Char('\\')));
    EXPECT_NE(settingsText().find("AnimationPath=" + folderPath.toStdString() + "\r\n"),
              std::string::npos)
            << settingsText();
}

TEST_F(EditorTest, SavingOverAFileAnotherProgramHoldsOpenIsRefusedAndLosesNothing)
{
    const QString file = writeAnimation("EANIM.QLM", kOneImage);
    const Bytes before = readBytes(file.toStdString());
    start();
    open(file);
    select(1);
    dialogs.answerInput(QStringLiteral("30"));
    window->mnuProjectAdd[3]->trigger();
    ASSERT_TRUE(saveEnabled());

    HeldOpen viewer(file.toStdWString());
    ASSERT_TRUE(viewer.isOpen());
    window->mnuFileSave->trigger();

    ASSERT_FALSE(dialogs.messages().isEmpty());
    EXPECT_EQ(dialogs.messages().back(),
              "Could not save \"" + file
                      + "\": It is open in another program; close it there and try again.");
    EXPECT_TRUE(saveEnabled()) << "the change is still unsaved";
    EXPECT_EQ(readBytes(file.toStdString()), before);

    viewer.release();
    window->mnuFileSave->trigger();
    EXPECT_FALSE(saveEnabled());
    EXPECT_NE(readBytes(file.toStdString()), before);
}
