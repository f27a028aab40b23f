// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Revert: the file reopened from the disk after a question, the changes thrown away kept
// as a discarded document.
#include "editorfixture.h"

using namespace tessa;
using namespace tessa::test;

namespace {

const ItemList kOnDisk{makeImageItem(frameOf(1)), makePauseItem(30), makeEndItem()};

class RevertTest : public EditorTest
{
protected:
    RevertTest() { paths.recoveryFolder = QString::fromStdString(folder.file("recovery")); }

    // The file opened and changed by a fade in before "End".
    void openAndChange()
    {
        file = writeAnimation("REVANIM.QLM", kOnDisk);
        start();
        open(file);
        select(2);
        window->mnuProjectAdd[1]->trigger();
        ASSERT_EQ(lines(), QStringList({"Image", "Pause: 30", "Fade in", "End"}));
    }

    bool revertEnabled() const { return window->mnuFileRevert->isEnabled(); }

    QString file;
};

} // namespace

TEST_F(RevertTest, OfferedWhileAFileHasUnsavedChanges)
{
    start();
    EXPECT_FALSE(revertEnabled()) << "no document";
    newDocument();
    EXPECT_TRUE(saveEnabled());
    EXPECT_FALSE(revertEnabled()) << "a new document has no file to go back to";
    dialogs.answerSave(path("NEWANIM.QLM"));
    window->mnuFileSaveAs->trigger();
    EXPECT_FALSE(revertEnabled()) << "saved: nothing to revert";

    openAndChange();
    EXPECT_TRUE(revertEnabled());
    window->mnuEditUndo->trigger();
    EXPECT_FALSE(revertEnabled()) << "undone back to the file";
    window->mnuEditRedo->trigger();
    EXPECT_TRUE(revertEnabled());
    window->mnuFileSave->trigger();
    EXPECT_FALSE(revertEnabled());
}

TEST_F(RevertTest, NoKeepsTheChanges)
{
    openAndChange();
    const ItemList changed = window->items();
    dialogs.answerMessage(Dialogs::Answer::No);

    window->mnuFileRevert->trigger();

    const auto asked = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Discard your changes and reopen REVANIM.QLM from disk?");
    EXPECT_EQ(asked[0].title, "Tessarine Animation Studio");
    EXPECT_EQ(asked[0].icon, Dialogs::Icon::Question);
    EXPECT_EQ(asked[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(sameContent(window->items(), changed));
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(window->mnuEditUndo->isEnabled()) << "the history is kept too";
}

TEST_F(RevertTest, YesReopensTheFileAndKeepsTheChangesForRecovery)
{
    openAndChange();
    const ItemList changed = window->items();
    dialogs.answerMessage(Dialogs::Answer::Yes);

    window->mnuFileRevert->trigger();

    EXPECT_TRUE(sameContent(window->items(), kOnDisk));
    EXPECT_EQ(lines(), QStringList({"Image", "Pause: 30", "End"}));
    EXPECT_EQ(window->fileName(), file);
    EXPECT_EQ(window->windowTitle(), "Tessarine Animation Studio: REVANIM.QLM");
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(revertEnabled());
    EXPECT_FALSE(window->mnuEditUndo->isEnabled()) << "a fresh history";
    EXPECT_EQ(selected(), 0);

    dialogs.answerChoice(0);
    window->mnuFileRecover->trigger();
    const auto choices = dialogs.callsOf(Kind::Choice);
    ASSERT_EQ(choices.size(), 1u);
    ASSERT_EQ(choices[0].choices.size(), 1);
    EXPECT_TRUE(choices[0].choices[0].startsWith("REVANIM.QLM, "));
    EXPECT_TRUE(sameContent(window->items(), changed)) << "the discarded changes are back";
}

TEST_F(RevertTest, AFileThatCannotBeReadLeavesTheChangesOpen)
{
    openAndChange();
    const ItemList changed = window->items();
    std::filesystem::remove(file.toStdString());
    dialogs.answerMessage(Dialogs::Answer::Yes);

    window->mnuFileRevert->trigger();

    const auto boxes = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[1].text.startsWith("Could not read \"" + file + "\": "))
            << boxes[1].text.toStdString();
    EXPECT_TRUE(sameContent(window->items(), changed));
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(window->fileName(), file);
}
