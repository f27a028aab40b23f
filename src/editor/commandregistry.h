// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace tessa {

class LiveTexts;

// The editor's commands by name. Each is the action of a menu entry, so the menu, its shortcut
// and a script (app.command.NAME) run the same code under the same enabled rule. The window and
// each feature register theirs; the menu bar is then made of them, each entry in its place.
class CommandRegistry
{
public:
    // A menu of the bar, or a submenu ("File/Export" is the submenu Export of File).
    struct Menu
    {
        QString path{};
        int place = 0; // as a command's
        std::function<QString()> title{};
        std::function<bool()> enabled{}; // none: always on
    };

    // A menu entry and what it does.
    struct Command
    {
        QString name{}; // as scripts call it
        QString menu{}; // the path of a menu added before
        // Entries are listed by place; a separator stands where the hundreds change (a group of
        // 110, 120, ... then one of 210, ...).
        int place = 0;
        std::function<QString()> text{}; // "&" before the access key; asked again by updateTexts()
        QList<QKeySequence> shortcuts{};
        std::function<void()> run{};
        std::function<bool()> enabled{}; // asked by updateEnabled(); none: always on
        bool checkable = false;
        // Why a script may not run the command (it would replace the document the script works
        // on, say); none or "" when it may.
        std::function<QString()> notFromScripts{};
    };

    // Menus and actions are made in `bar`; their texts follow a change of language by `texts`.
    // Both must outlive the registry.
    CommandRegistry(QMenuBar &bar, LiveTexts &texts);

    // Makes the menu, empty and not in the bar until fillMenuBar(); a submenu's parent menu must
    // have been added first.
    QMenu *addMenu(Menu menu);
    // Makes the action of `command`, owned by its menu.
    QAction *add(Command command);
    // The menu of `path`, or null.
    QMenu *menu(const QString &path) const;
    // Puts every menu and entry in its place, once all are added.
    void fillMenuBar();

    // Applies every enabled rule: after anything a rule looks at has changed.
    void updateEnabled();
    // Sets every text again: after a change of language, or of what a text names.
    void updateTexts();

    // The action of `name`, or null.
    QAction *action(const QString &name) const;
    // In the order they were added.
    QStringList names() const;

    // Why a script may not run a command that replaces the document.
    static QString replacesTheDocument();

    // Runs `name` on behalf of a script as its menu entry runs it: "" when it ran, else why not
    // (no such command, not for scripts, or off at the moment, as its greyed entry shows).
    QString runForScript(const QString &name) const;

private:
    struct Entry
    {
        Command command;
        QPointer<QAction> action;
    };
    struct MenuEntry
    {
        Menu menu;
        QPointer<QMenu> shown;
    };
    const Entry *find(const QString &name) const;
    const MenuEntry *findMenu(const QString &path) const;
    void fill(const MenuEntry &menu);

    QMenuBar &m_bar;
    std::vector<Entry> m_commands;
    std::vector<MenuEntry> m_menus;
};

} // namespace tessa
