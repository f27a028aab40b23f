// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar made of the registered commands, their rules, and scripts running them.
#include "editor/commandregistry.h"
#include "language/livetexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <vector>

using namespace tessa;

namespace {

// "File(New Open | Export(Frame) | Exit) Help(About)": titles and texts without their "&", a
// submenu's entries in brackets after it, "|" for a separator.
QString layoutOf(const QList<QAction *> &actions)
{
    QStringList parts;
    for (const QAction *action : actions) {
        if (action->isSeparator()) {
            parts << QStringLiteral("|");
            continue;
        }
        QString part = action->text().remove(QLatin1Char('&'));
        if (action->menu())
            part += QLatin1Char('(') + layoutOf(action->menu()->actions()) + QLatin1Char(')');
        parts << part;
    }
    return parts.join(QLatin1Char(' '));
}

struct Registration
{
    const char *path; // a menu's path, or the menu of a command
    int place;
    const char *text; // a command's; "" for a menu, named after its path's last part
};

// The menu bar made of `registrations`, added in their order.
QString layoutMadeOf(const std::vector<Registration> &registrations)
{
    QMainWindow window;
    CommandRegistry commands(*window.menuBar(), *new LiveTexts(&window));
    for (const Registration &row : registrations) {
        const QString path = QString::fromLatin1(row.path);
        const QString text = QString::fromLatin1(row.text);
        if (text.isEmpty())
            commands.addMenu({.path = path, .place = row.place, .title = [path] {
                                  return path.section('/', -1);
                              }});
        else
            commands.add({.name = text, .menu = path, .place = row.place, .text = [text] {
                              return text;
                          }});
    }
    commands.fillMenuBar();
    return layoutOf(window.menuBar()->actions());
}

class CommandRegistryTest : public ::testing::Test
{
protected:
    QMainWindow window;
    LiveTexts *texts = new LiveTexts(&window); // a child of the window
    CommandRegistry commands{*window.menuBar(), *texts};
};

TEST(CommandRegistryMenusTest, EntriesStandByPlaceWithASeparatorWhereTheHundredsChange)
{
    const struct
    {
        std::vector<Registration> registrations;
        const char *layout;
    } rows[] = {
            // The window's entries first, then those of features in between, as they are added.
            {{{"File", 100, ""},
              {"Help", 700, ""},
              {"File/Export", 210, ""},
              {"File", 110, "New"},
              {"File", 120, "Open"},
              {"File", 910, "Exit"},
              {"File/Export", 110, "Animation"},
              {"Help", 110, "About"},
              {"File", 150, "Revert"},
              {"File/Export", 130, "Movie"},
              {"File", 220, "Apply"}},
             "File(New Open Revert | Export(Animation Movie) Apply | Exit) Help(About)"},
            // Menus of the bar by place, not by when they were added; no separator before the
            // first entry nor after the last, however far the places lie apart.
            {{{"Tools", 600, ""},
              {"Edit", 200, ""},
              {"Tools", 930, "Folder"},
              {"Tools", 950, "Run"},
              {"Edit", 310, "Up"},
              {"Edit", 110, "Undo"},
              {"Edit", 320, "Down"}},
             "Edit(Undo | Up Down) Tools(Folder Run)"},
            // A submenu stands among the entries where its place says; one place shared keeps
            // the order of adding.
            {{{"Tools", 600, ""},
              {"Tools/Scripts", 120, ""},
              {"Tools", 130, "Open"},
              {"Tools", 110, "Run"},
              {"Tools/Scripts", 110, "First"},
              {"Tools/Scripts", 110, "Second"}},
             "Tools(Run Scripts(First Second) Open)"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(layoutMadeOf(row.registrations), QString::fromLatin1(row.layout));
}

TEST_F(CommandRegistryTest, RulesAreAppliedWhenAskedAndScriptsRunOnlyWhatAUserCould)
{
    bool documentOpen = false;
    bool selected = false;
    int runs = 0;
    commands.addMenu({.path = "Project",
                      .place = 100,
                      .title = [] { return QStringLiteral("&Project"); },
                      .enabled = [&] { return documentOpen; }});
    commands.addMenu(
            {.path = "Help", .place = 200, .title = [] { return QStringLiteral("&Help"); }});
    commands.add({.name = "Delete",
                  .menu = "Project",
                  .place = 110,
                  .text = [] { return QStringLiteral("&Delete"); },
                  .run = [&] { ++runs; },
                  .enabled = [&] { return selected; }});
    commands.add({.name = "Add",
                  .menu = "Project",
                  .place = 120,
                  .text = [] { return QStringLiteral("&Add"); },
                  .run = [&] { ++runs; }});
    commands.add({.name = "Exit",
                  .menu = "Help",
                  .place = 110,
                  .text = [] { return QStringLiteral("E&xit"); },
                  .run = [&] { ++runs; },
                  .notFromScripts = [] { return QStringLiteral("not from scripts"); }});
    commands.fillMenuBar();
    const QString off = QCoreApplication::translate("tessa::CommandRegistry",
                                                    "the command is off at the moment (its menu "
                                                    "entry is greyed out)");

    const struct
    {
        bool documentOpen;
        bool selected;
        const char *name;
        QString refusal; // "" when the command runs
    } rows[] = {
            {false, true, "Delete", off}, // on itself, but in a menu that is off
            {true, false, "Delete", off},
            {true, true, "Delete", {}},
            {false, false, "Add", off},
            {true, false, "Add", {}},
            {true, true, "Exit", QStringLiteral("not from scripts")},
            {true, true, "Nonsense", QStringLiteral("there is no such command")},
    };
    for (const auto &row : rows) {
        documentOpen = row.documentOpen;
        selected = row.selected;
        commands.updateEnabled();
        EXPECT_EQ(commands.action("Delete")->isEnabled(), row.selected);
        EXPECT_EQ(commands.menu("Project")->menuAction()->isEnabled(), row.documentOpen);
        const int before = runs;
        EXPECT_EQ(commands.runForScript(row.name), row.refusal) << row.name;
        EXPECT_EQ(runs, before + (row.refusal.isEmpty() ? 1 : 0)) << row.name;
    }
    EXPECT_EQ(commands.names(), QStringList({"Delete", "Add", "Exit"}));
}

TEST_F(CommandRegistryTest, TextsAreAskedAgainOnAChangeOfLanguageAndWhenToldTo)
{
    QString undoing = QStringLiteral("&Undo");
    commands.addMenu(
            {.path = "Edit", .place = 100, .title = [] { return QStringLiteral("&Edit"); }});
    QAction *undo = commands.add(
            {.name = "Undo", .menu = "Edit", .place = 110, .text = [&] { return undoing; }});
    EXPECT_EQ(undo->text(), "&Undo") << "set at once";

    undoing = QStringLiteral("&Undo Paste");
    EXPECT_EQ(undo->text(), "&Undo");
    commands.updateTexts();
    EXPECT_EQ(undo->text(), "&Undo Paste");

    undoing = QStringLiteral("&Rückgängig: Einfügen");
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&window, &change);
    EXPECT_EQ(undo->text(), undoing);
}

} // namespace
