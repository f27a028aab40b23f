// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandregistry.h"

#include "language/livetexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace tessa {

namespace {

// Whether a user could choose `action` now: it is on, and so is every menu it sits in (a menu
// that is off keeps its entries' shortcuts from working too).
bool available(const QAction &action)
{
    if (!action.isEnabled())
        return false;
    for (QObject *holder : action.associatedObjects()) {
        const auto *menu = qobject_cast<QMenu *>(holder);
        if (menu && !available(*menu->menuAction()))
            return false;
    }
    return true;
}

// "File" of "File/Export"; "" for a menu of the bar.
QString parentPath(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

} // namespace

CommandRegistry::CommandRegistry(QMenuBar &bar, LiveTexts &texts)
    : m_bar(bar)
{
    texts.onChange([this] { updateTexts(); });
}

QMenu *CommandRegistry::addMenu(Menu menu)
{
    const MenuEntry *parent = findMenu(parentPath(menu.path));
    auto *shown = parent ? new QMenu(parent->shown) : new QMenu(&m_bar);
    shown->setTitle(menu.title());
    m_menus.push_back({std::move(menu), shown});
    return shown;
}

QAction *CommandRegistry::add(Command command)
{
    const MenuEntry *menu = findMenu(command.menu);
    Q_ASSERT_X(menu, "CommandRegistry::add", "the menu is added before its commands");
    auto *action = new QAction(command.text(), menu ? static_cast<QObject *>(menu->shown.data())
                                                    : static_cast<QObject *>(&m_bar));
    action->setShortcuts(command.shortcuts);
    action->setCheckable(command.checkable);
    QObject::connect(action, &QAction::triggered, action, [run = command.run] { run(); });
    m_commands.push_back({std::move(command), action});
    return action;
}

QMenu *CommandRegistry::menu(const QString &path) const
{
    const MenuEntry *entry = findMenu(path);
    return entry ? entry->shown.data() : nullptr;
}

void CommandRegistry::fillMenuBar()
{
    std::vector<const MenuEntry *> bar;
    for (const MenuEntry &menu : m_menus) {
        if (parentPath(menu.menu.path).isEmpty())
            bar.push_back(&menu);
    }
    std::stable_sort(bar.begin(), bar.end(), [](const MenuEntry *a, const MenuEntry *b) {
        return a->menu.place < b->menu.place;
    });
    for (const MenuEntry *menu : bar)
        fill(*menu);
}

void CommandRegistry::fill(const MenuEntry &menu)
{
    // Its entries and submenus, by place: an action each (a submenu's is its menuAction).
    std::vector<std::pair<int, QAction *>> entries;
    std::vector<const MenuEntry *> submenus;
    for (const Entry &entry : m_commands) {
        if (entry.command.menu == menu.menu.path)
            entries.emplace_back(entry.command.place, entry.action.data());
    }
    for (const MenuEntry &sub : m_menus) {
        if (parentPath(sub.menu.path) == menu.menu.path) {
            entries.emplace_back(sub.menu.place, sub.shown->menuAction());
            submenus.push_back(&sub);
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });

    if (parentPath(menu.menu.path).isEmpty())
        m_bar.addMenu(menu.shown);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0 && entries[i].first / 100 != entries[i - 1].first / 100)
            menu.shown->addSeparator();
        menu.shown->addAction(entries[i].second);
    }
    for (const MenuEntry *sub : submenus)
        fill(*sub);
}

void CommandRegistry::updateEnabled()
{
    for (const MenuEntry &menu : m_menus) {
        if (menu.menu.enabled && menu.shown)
            menu.shown->menuAction()->setEnabled(menu.menu.enabled());
    }
    for (const Entry &entry : m_commands) {
        if (entry.command.enabled && entry.action)
            entry.action->setEnabled(entry.command.enabled());
    }
}

void CommandRegistry::updateTexts()
{
    for (const MenuEntry &menu : m_menus) {
        if (menu.shown)
            menu.shown->setTitle(menu.menu.title());
    }
    for (const Entry &entry : m_commands) {
        if (entry.action)
            entry.action->setText(entry.command.text());
    }
}

const CommandRegistry::Entry *CommandRegistry::find(const QString &name) const
{
    for (const Entry &entry : m_commands) {
        if (entry.command.name == name)
            return &entry;
    }
    return nullptr;
}

const CommandRegistry::MenuEntry *CommandRegistry::findMenu(const QString &path) const
{
    for (const MenuEntry &menu : m_menus) {
        if (menu.menu.path == path)
            return &menu;
    }
    return nullptr;
}

QAction *CommandRegistry::action(const QString &name) const
{
    const Entry *entry = find(name);
    return entry ? entry->action.data() : nullptr;
}

QStringList CommandRegistry::names() const
{
    QStringList names;
    for (const Entry &entry : m_commands)
        names.append(entry.command.name);
    return names;
}

QString CommandRegistry::replacesTheDocument()
{
    return QCoreApplication::translate("tessa::CommandRegistry",
                                       "it replaces the document the script works on");
}

QString CommandRegistry::runForScript(const QString &name) const
{
    const Entry *entry = find(name);
    if (!entry || !entry->action)
        return QCoreApplication::translate("tessa::CommandRegistry", "there is no such command");
    if (entry->command.notFromScripts) {
        if (const QString why = entry->command.notFromScripts(); !why.isEmpty())
            return why;
    }
    if (!available(*entry->action))
        return QCoreApplication::translate("tessa::CommandRegistry",
                                           "the command is off at the moment (its menu entry is "
                                           "greyed out)");
    entry->action->trigger();
    return {};
}

} // namespace tessa
