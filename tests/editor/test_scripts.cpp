// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Run Script...: a script's changes as one step of the history, and nothing from a script
// that fails.
#include "editorfixture.h"

#include <fstream>

using namespace tessa;
using namespace tessa::test;

namespace {

const ItemList kItems = {makeImageItem(frameOf(1)), makePauseItem(30), makeImageItem(frameOf(2)),
                         makeEndItem()};

class ScriptTest : public EditorTest
{
protected:
    void openItems()
    {
        start();
        open(writeAnimation("EANIM.QLM", kItems));
    }

    void run(const std::string &name, const std::string &text)
    {
        std::ofstream(folder.file(name), std::ios::binary) << text;
        dialogs.answerOpen(path(name));
        window->mnuToolsRunScript->trigger();
    }
};

} // namespace

TEST_F(ScriptTest, ChangesAreOneStepNamedAfterTheScript)
{
    openItems();
    run("busy.lua", R"(
        local anim = tessa.document
        anim:frame(3):replace({[2] = 9})
        anim:insert(2, "fadein")
        anim:remove(3)
        anim:move(3, 2)
        anim:insert(4, "sound", 5)
    )");
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('\n').toStdString();
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "Fade in", "Play sound: 5", "End"}));
    EXPECT_EQ(window->items()[1].Pixels, frameOf(9));
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo busy.lua");

    window->mnuEditUndo->trigger();
    EXPECT_TRUE(sameContent(window->items(), kItems));
    EXPECT_FALSE(saveEnabled()) << "undone back to the file as saved";
    window->mnuEditRedo->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "Fade in", "Play sound: 5", "End"}));
}

TEST_F(ScriptTest, AFailingScriptChangesNothingAndSaysWhere)
{
    openItems();
    run("half.lua", "local anim = tessa.document\n"
                    "anim:frame(1):fill(7)\n"
                    "anim:remove(2)\n"
                    "anim:remove(1)\n");
    EXPECT_TRUE(sameContent(window->items(), kItems));
    EXPECT_FALSE(saveEnabled());
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains("half.lua:4: bad argument #1 to 'remove'"))
            << dialogs.messages()[0].toStdString();
}

TEST_F(ScriptTest, AScriptThatChangesNothingLeavesNoStep)
{
    openItems();
    run("look.lua", "assert(tessa.document:count() == 4)");
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('\n').toStdString();
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
    EXPECT_FALSE(saveEnabled());
}

TEST_F(ScriptTest, ACancelledChoiceRunsNothing)
{
    openItems();
    dialogs.answerOpen(QString());
    window->mnuToolsRunScript->trigger();
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
}
