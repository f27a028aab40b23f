// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Run Script... and Tools > Scripts: a script's changes, its own and those of the
// commands it runs, as one step of the history; nothing from a script that fails or is stopped;
// files outside its folders only once the user allowed them.
#include "editorfixture.h"

#include "document/animfile.h"

#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

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
        write(name, text);
        dialogs.answerOpen(path(name));
        window->mnuToolsRunScript->trigger();
    }

    void write(const std::string &name, const std::string &text)
    {
        std::filesystem::create_directories(std::filesystem::path(folder.file(name)).parent_path());
        std::ofstream(folder.file(name), std::ios::binary) << text;
    }

    QStringList scriptEntries() const
    {
        QStringList captions;
        for (QAction *action : window->mnuToolsScripts->actions())
            captions << action->text();
        return captions;
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

TEST_F(ScriptTest, CommandsRunByTheScriptAreInItsOneStep)
{
    openItems();
    run("step.lua", R"(
        local anim = tessa.document
        local frame = anim:frame(3)
        anim:insert(2, "pause", 5)
        app.command.Duplicate()
        assert(anim:count() == 6, "the script goes on with the document the command left")
        anim:remove(2)
        frame:fill(4) -- a frame held across a command is still the image of its line
        local ok, why = pcall(app.command.Open)
        assert(not ok and why:find("replaces the document the script works on"), why)
        ok, why = pcall(function() return app.command.Nonsense end)
        assert(not ok and why:find("no command app.command.Nonsense"), why)
    )");
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('\n').toStdString();
    EXPECT_EQ(lines(), QStringList({"Image", "Pause: 5", "Pause: 30", "Image", "End"}));
    EXPECT_EQ(window->items()[3].Pixels, frameOf(4));
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo step.lua");

    window->mnuEditUndo->trigger();
    EXPECT_TRUE(sameContent(window->items(), kItems)) << "one undo takes back the whole script";
}

TEST_F(ScriptTest, ASaveTheScriptAskedForWaitsUntilItHasEndedWell)
{
    openItems();
    const std::string file = folder.file("EANIM.QLM");
    const auto before = test::readText(file);
    run("fails.lua", R"(
        tessa.document:insert(2, "pause", 77)
        app.command.Save()
        error("gave up after saving")
    )");
    EXPECT_EQ(test::readText(file), before) << "a failed script changed the file";
    EXPECT_FALSE(std::filesystem::exists(file + ".bak"));
    EXPECT_TRUE(sameContent(window->items(), kItems));

    run("saves.lua", R"(
        tessa.document:insert(2, "pause", 77)
        app.command.Save()
        tessa.document:insert(2, "pause", 78)
    )");
    const auto saved = loadAnimation(file);
    ASSERT_TRUE(saved);
    EXPECT_TRUE(sameContent(*saved, window->items())) << "saved with all the script did";
    EXPECT_EQ(listLine((*saved)[1]), "Pause: 78");
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo saves.lua");
}

TEST_F(ScriptTest, AScriptFromAStrangerCannotReachPastItsContainment)
{
    openItems();
    struct Row
    {
        const char *script;
        const char *failure;
    };
    const Row rows[] = {
            {"assert(load('\\27Lua\\84\\0' .. string.rep('\\0', 40)))",
             "attempt to load a binary chunk"},
            {"load(string.dump(print))", "field 'dump'"},
            {"debug.sethook() while true do end", "field 'sethook'"},
            {"debug.setmetatable(tessa.document:frame(1), getmetatable(tessa.palette('main')))",
             "field 'setmetatable'"},
            {"setmetatable({}, {__gc = function() while true do end end})", "__gc metamethod"},
            {"local s = string.rep('x', 1 << 30)", "used more than its limit of 1 GB of memory"},
    };
    for (const Row &row : rows) {
        run("stranger.lua", std::string("tessa.document:insert(2, 'pause', 5)\n") + row.script);
        ASSERT_FALSE(dialogs.messages().isEmpty()) << row.script;
        EXPECT_TRUE(dialogs.messages().back().contains(row.failure))
                << row.script << ": " << dialogs.messages().back().toStdString();
        EXPECT_TRUE(sameContent(window->items(), kItems)) << row.script;
    }
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
}

TEST_F(ScriptTest, TheProgressBoxStopsWhatRunsInsideOneCallOfLua)
{
    openItems();
    const char *scripts[] = {
            // Backtracking for minutes inside one call of string.find.
            "string.find(string.rep('a', 400), '.-.-.-.-b')",
            // A stop is no error that pcall catches.
            "while true do pcall(function() while true do end end) end",
            "while true do pcall(string.rep('a', 300).find, string.rep('a', 300), '.-.-.-.-b') end",
    };
    for (const char *script : scripts) {
        dialogs.progressValues.clear();
        dialogs.cancelProgressAfter = 2;
        run("forever.lua", std::string("tessa.document:insert(2, 'pause', 5)\n") + script);
        EXPECT_EQ(dialogs.openProgress, 0) << script;
        EXPECT_TRUE(sameContent(window->items(), kItems)) << script;
        EXPECT_EQ(window->lblNote->text(),
                  "forever.lua was stopped: the animation is as it was before it ran.")
                << script;
    }
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('\n').toStdString();
}

TEST_F(ScriptTest, ClosingTheWindowStopsTheScriptThenCloses)
{
    openItems();
    window->show();
    QTimer::singleShot(600, window.get(), &QWidget::close);
    run("forever.lua", "tessa.document:insert(2, 'pause', 5)\nwhile true do end\n");
    EXPECT_TRUE(sameContent(window->items(), kItems));
    EXPECT_TRUE(window->isVisible()) << "not closed under the running script";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 5000));
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('\n').toStdString();
}

TEST_F(ScriptTest, AScriptFailingAfterACommandLeavesNoTrace)
{
    openItems();
    select(0);
    run("late.lua", R"(
        tessa.document:insert(2, "pause", 5)
        app.command.Duplicate()
        error("gave up late")
    )");
    EXPECT_TRUE(sameContent(window->items(), kItems));
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
    EXPECT_FALSE(window->mnuEditRedo->isEnabled()) << "nothing of the script is left to redo";
    EXPECT_FALSE(saveEnabled());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains("late.lua:4: gave up late"))
            << dialogs.messages()[0].toStdString();
}

TEST_F(ScriptTest, FilesElsewhereAreReachedOnlyOnceTheUserAllowedThem)
{
    std::filesystem::create_directories(folder.file("anims"));
    start();
    open(writeAnimation("anims/EANIM.QLM", kItems));
    const QString elsewhere =
            QDir::toNativeSeparators(QString::fromStdString(folder.file("elsewhere/notes.txt")));
    std::filesystem::create_directories(folder.file("elsewhere"));
    write("scripts/notes.lua", R"(
        local path = tessa.ask("Where?")
        local own = io.open(arg[0]:gsub("notes.lua$", "own.txt"), "w") -- its own folder: free
        own:write("x")
        own:close()
        assert(os.execute == nil and io.popen == nil, "no way around the question")
        assert(not pcall(os.exit), "os.exit would close the editor")
        local file, why = pcall(io.open, path, "w")
        if not file then error(why, 0) end
        why:write("written")
        why:close()
    )");
    const auto runNotes = [&](std::optional<Dialogs::Answer> question) {
        dialogs.answerOpen(path("scripts/notes.lua"));
        dialogs.answerInput(elsewhere);
        if (question)
            dialogs.answerMessage(*question);
        window->mnuToolsRunScript->trigger();
    };

    runNotes(Dialogs::Answer::No);
    auto asked = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(asked.size(), 2u) << "the question, then the failure";
    EXPECT_EQ(asked[0].text, "The script notes.lua wants to change " + elsewhere
                                     + ", outside its own folder and the animation's folder."
                                       "\n\nLet it read and change the files in "
                                     + path("elsewhere") + " until the editor closes?");
    EXPECT_EQ(asked[0].buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(asked[1].text.contains("not allowed to reach")) << asked[1].text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(elsewhere.toStdString()));
    EXPECT_TRUE(std::filesystem::exists(folder.file("scripts/own.txt")));

    runNotes(Dialogs::Answer::Yes);
    EXPECT_EQ(dialogs.callsOf(Kind::Message).size(), 3u) << "asked again after a No";
    EXPECT_EQ(test::readText(elsewhere.toStdString()), "written");

    std::filesystem::remove(elsewhere.toStdString());
    runNotes(std::nullopt);
    EXPECT_EQ(dialogs.callsOf(Kind::Message).size(), 3u) << "a Yes is held";
    EXPECT_EQ(test::readText(elsewhere.toStdString()), "written");
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(ScriptTest, TheProgressBoxStopsAScriptThatRunsOn)
{
    openItems();
    dialogs.cancelProgressAfter = 2;
    run("forever.lua", "tessa.document:insert(2, 'pause', 5)\nwhile true do end\n");
    EXPECT_EQ(dialogs.progressTitles, QStringList({"Run Script"}));
    EXPECT_EQ(dialogs.openProgress, 0);
    EXPECT_TRUE(sameContent(window->items(), kItems));
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
    EXPECT_TRUE(dialogs.messages().isEmpty()) << "a stop is no failure";
    EXPECT_EQ(window->lblNote->text(),
              "forever.lua was stopped: the animation is as it was before it ran.");
}

TEST_F(ScriptTest, TheScriptsMenuFollowsTheFolderAndRunsOnTheSelectedLine)
{
    paths.scriptsFolder = QString::fromStdString(folder.file("my scripts"));
    paths.examplesFolder = QString::fromStdString(folder.file("examples"));
    write("examples/swap.lua", "");
    openItems();
    EXPECT_EQ(scriptEntries(),
              QStringList({"(No scripts in the scripts folder)", "Examples", "&1 swap.lua"}));

    window->mnuToolsOpenScriptsFolder->trigger();
    EXPECT_EQ(dialogs.openedFiles, QStringList({paths.scriptsFolder}));
    ASSERT_TRUE(QFileInfo(paths.scriptsFolder).isDir()) << "made when first opened";
    write("my scripts/b&w.lua", "tessa.document:remove(tessa.selected)");
    EXPECT_TRUE(QTest::qWaitFor([&] { return scriptEntries()[0].endsWith(".lua"); }, 5000))
            << "listed without opening the menu";
    EXPECT_EQ(scriptEntries(), QStringList({"&1 b&&w.lua", "Examples", "&2 swap.lua"}));

    select(1);
    window->mnuToolsScripts->actions()[0]->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "End"}));
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo b&&w.lua");
}

TEST_F(ScriptTest, TheExamplesWorkOnTheOpenAnimationWithWhatTheyAsk)
{
    paths.examplesFolder = QStringLiteral(TESSA_EXAMPLE_SCRIPTS);
    openItems();
    const auto runExample = [&](const QString &name, const QStringList &answers) {
        for (const QString &answer : answers)
            dialogs.answerInput(answer);
        for (QAction *entry : window->mnuToolsScripts->actions()) {
            if (entry->text().endsWith(" " + name))
                entry->trigger();
        }
        EXPECT_TRUE(dialogs.allAnswered()) << name.toStdString();
    };

    runExample("swap-colours.lua", {"1", "2"});
    EXPECT_EQ(window->items()[0].Pixels, frameOf(2));
    EXPECT_EQ(window->items()[2].Pixels, frameOf(1));
    runExample("pause-after-images.lua", {"8"});
    EXPECT_EQ(lines(), QStringList({"Image", "Pause: 8", "Pause: 30", "Image", "Pause: 8", "End"}));
    runExample("reverse-images.lua", {"1", "5"});
    EXPECT_EQ(window->items()[0].Pixels, frameOf(1));
    EXPECT_EQ(window->items()[3].Pixels, frameOf(2));

    std::filesystem::create_directories(folder.file("frames"));
    runExample("export-frames.lua", {path("frames")});
    EXPECT_TRUE(std::filesystem::exists(folder.file("frames/EANIM-QLM-4.bmp")));
    EXPECT_EQ(dialogs.callsOf(Kind::Message).back().text,
              "2 frames written into " + path("frames") + ".");

    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo reverse-images.lua");
    for (int step = 0; step < 3; ++step)
        window->mnuEditUndo->trigger();
    EXPECT_TRUE(sameContent(window->items(), kItems)) << "one step for each";
    EXPECT_EQ(dialogs.messages().size(), 1) << dialogs.messages().join('\n').toStdString();
}
