// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved work is never lost: a killed editor's work, and documents that New, Open or closing
// discarded.
#include "editorfixture.h"

#include "editor/recoverykeeper.h"

#include <QDir>
#include <QLabel>
#include <QProcess>

using namespace tessa;
using namespace tessa::test;

namespace {

class RecoveryTest : public EditorTest
{
protected:
    RecoveryTest() { paths.recoveryFolder = QString::fromStdString(folder.file("recovery")); }

    std::vector<std::string> copies() const
    {
        if (!std::filesystem::exists(folder.path() / "recovery"))
            return {};
        std::vector<std::string> names = TempFolder::entriesOf(folder.path() / "recovery");
        std::erase_if(names, [](const std::string &name) { return name.ends_with(".lock"); });
        return names;
    }
};

ItemList sample()
{
    return {makeImageItem(frameOf(1)), makePauseItem(30), makeImageItem(frameOf(2)), makeEndItem()};
}

} // namespace

TEST_F(RecoveryTest, AKilledEditorsWorkIsOfferedAtTheNextStart)
{
    writeAnimation("ANIM.QLM", sample());
    QProcess editor;
    editor.start(QStringLiteral(TESSA_CRASHING_EDITOR),
                 {QString::fromStdString(folder.path().string())});
    ASSERT_TRUE(editor.waitForFinished(30000));
    EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit) << editor.readAllStandardError().data();
    std::cout << editor.readAllStandardOutput().constData();
    auto onScreen = loadAnimation(folder.file("ONSCREEN.QLM"));
    ASSERT_TRUE(onScreen) << "the editor did not get to its changes";

    start();
    // The killed run's lock is gone at start-up, whether or not it left work behind.
    const auto locks = TempFolder::entriesOf(folder.path() / "recovery");
    EXPECT_EQ(std::count_if(locks.begin(), locks.end(),
                            [](const std::string &name) { return name.ends_with(".lock"); }),
              1)
            << "only this run's own";
    dialogs.answerMessage(Dialogs::Answer::Yes);
    window->offerRecovery();
    const auto asked = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].text.startsWith("Recover the unsaved changes to ANIM.QLM from "))
            << asked[0].text.toStdString();
    EXPECT_EQ(asked[0].buttons, Dialogs::Buttons::YesNoLater);
    EXPECT_TRUE(sameContent(window->items(), *onScreen));
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "Image", "Pause: 30", "Pause: 8", "End"}));
    EXPECT_TRUE(saveEnabled()) << "the recovered changes are not saved yet";
    EXPECT_EQ(window->fileName(), path("ANIM.QLM"));

    // Offered once: the next start asks nothing.
    window.reset();
    start();
    window->offerRecovery();
    EXPECT_EQ(dialogs.callsOf(Kind::Message).size(), 1u);
}

TEST_F(RecoveryTest, TheCopyLivesExactlyWhileThereAreUnsavedChanges)
{
    start();
    open(writeAnimation("KEEPANIM.QLM", sample()));
    select(1);
    window->mnuProjectDelete->trigger();
    EXPECT_TRUE(window->recovery().isWaiting()) << "written a moment later, not at once";
    window->recovery().flush();
    ASSERT_EQ(copies().size(), 2u) << "an animation and its side file";
    window->mnuEditUndo->trigger();
    EXPECT_TRUE(copies().empty()) << "undone back to the file: nothing to recover";
    window->mnuEditRedo->trigger();
    window->recovery().flush();
    EXPECT_EQ(copies().size(), 2u);
    window->mnuFileSave->trigger();
    EXPECT_TRUE(copies().empty());
}

TEST_F(RecoveryTest, DiscardedDocumentsCanBeOpenedAgain)
{
    start();
    open(writeAnimation("LOSTANIM.QLM", sample()));
    window->mnuProjectAdd[1]->trigger(); // line 0 selected: nothing; select a later line
    select(3);
    window->mnuProjectAdd[1]->trigger(); // a fade in before End
    const ItemList changed = window->items();

    // Open discards the changes without a question, as it always did, but keeps them.
    open(writeAnimation("OTHERANIM.QLM", {makeImageItem(frameOf(7)), makeEndItem()}));
    dialogs.answerChoice(0);
    window->mnuFileRecover->trigger();
    const auto choices = dialogs.callsOf(Kind::Choice);
    ASSERT_EQ(choices.size(), 1u);
    ASSERT_EQ(choices[0].choices.size(), 1);
    EXPECT_TRUE(choices[0].choices[0].startsWith("LOSTANIM.QLM, "));
    EXPECT_TRUE(choices[0].choices[0].endsWith(", 5 items"));
    EXPECT_TRUE(sameContent(window->items(), changed));
    EXPECT_EQ(window->windowTitle(), "Tessarine Animation Studio: NEW") << "a new document";
    EXPECT_TRUE(saveEnabled());

    // A close answered No keeps the document too; with nothing kept, the menu says so.
    dialogs.answerMessage(Dialogs::Answer::No);
    window->close();
    window.reset();
    start();
    dialogs.answerChoice(-1);
    window->mnuFileRecover->trigger();
    EXPECT_EQ(dialogs.callsOf(Kind::Choice).back().choices.size(), 2);
    EXPECT_EQ(window->items().size(), 0u) << "cancelled: nothing opened";
}

TEST_F(RecoveryTest, APathGivenRelativeStaysWithItsFolder)
{
    std::filesystem::create_directories(folder.path() / "first");
    std::filesystem::create_directories(folder.path() / "second");
    writeAnimation("first/RELANIM.QLM", sample());
    const QString startedIn = QDir::currentPath();
    QDir::setCurrent(path("first"));
    start();
    window->OpenAnim(QStringLiteral("RELANIM.QLM")); // as named on the command line
    select(1);
    window->mnuProjectDelete->trigger();
    window->recovery().flush();
    QDir::setCurrent(path("second"));

    EXPECT_EQ(window->fileName(), path("first/RELANIM.QLM"));
    const auto names = copies();
    const auto side = std::find_if(names.begin(), names.end(),
                                   [](const std::string &name) { return name.ends_with(".json"); });
    ASSERT_NE(side, names.end());
    const std::string sideText = test::readText(folder.file("recovery/" + *side));
    // As JSON writes it: a Windows path's backslashes doubled.
    const QString inJson = path("first/RELANIM.QLM").replace("\\", "\\\\");
    EXPECT_NE(sideText.find(inJson.toStdString()), std::string::npos) << sideText;

    window->mnuFileSave->trigger();
    QDir::setCurrent(startedIn);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "first/RELANIM.QLM.bak"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "second/RELANIM.QLM"));
}

TEST_F(RecoveryTest, ReplacedChangesAreSaidToBeKeptAndRecoveringAsksFirst)
{
    start();
    open(writeAnimation("LOSTANIM.QLM", sample()));
    EXPECT_TRUE(window->lblNote->isHidden()) << "nothing was replaced";
    select(1);
    window->mnuProjectDelete->trigger();
    const ItemList edited = window->items();

    // New asks nothing, as it always did, but says where the changes went.
    newDocument(5);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_FALSE(window->lblNote->isHidden());
    EXPECT_EQ(window->lblNote->text(), "Your unsaved changes were kept: File > Recover Discarded "
                                       "Animation brings them back.");

    // The new document is unsaved too: recovering asks before it replaces it.
    const ItemList fresh = window->items();
    dialogs.answerChoice(0);
    dialogs.answerMessage(Dialogs::Answer::Cancel);
    window->mnuFileRecover->trigger();
    EXPECT_EQ(dialogs.messages(), QStringList{"You have not saved your changes.  Save them now?"});
    EXPECT_TRUE(sameContent(window->items(), fresh)) << "cancelled: the document stays";

    window->lblNote->hide();
    dialogs.answerChoice(0);
    dialogs.answerMessage(Dialogs::Answer::No);
    window->mnuFileRecover->trigger();
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(sameContent(window->items(), edited));
    EXPECT_FALSE(window->lblNote->isHidden()) << "the new document was kept in its turn";
}

TEST_F(RecoveryTest, ChangesThatCannotBeKeptAreSaidToBeLost)
{
    // A file where the folder of kept copies should be: nothing can be written there.
    test::writeText(folder.file("blocked"), "");
    paths.recoveryFolder = QString::fromStdString(folder.file("blocked"));
    start();
    open(writeAnimation("LOSTANIM.QLM", sample()));
    select(1);
    window->mnuProjectDelete->trigger();
    open(writeAnimation("OTHERANIM.QLM", sample()));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith("Your unsaved changes could not be kept for "
                                                 "File > Recover Discarded Animation: "))
            << dialogs.messages()[0].toStdString();
    EXPECT_EQ(dialogs.callsOf(Kind::Message)[0].icon, Dialogs::Icon::Exclamation);
}
