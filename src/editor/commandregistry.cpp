// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandregistry.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

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

} // namespace

void CommandRegistry::add(const QString &name, QAction *action, const QString &notFromScripts)
{
    m_commands.push_back({name, action, notFromScripts});
}

const CommandRegistry::Command *CommandRegistry::find(const QString &name) const
{
    for (const Command &command : m_commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QAction *CommandRegistry::action(const QString &name) const
{
    const Command *command = find(name);
    return command ? command->action.data() : nullptr;
}

QStringList CommandRegistry::names() const
{
    QStringList names;
    for (const Command &command : m_commands)
        names.append(command.name);
    return names;
}

QString CommandRegistry::runForScript(const QString &name) const
{
    const Command *command = find(name);
    if (!command || !command->action)
        return QCoreApplication::translate("tessa::CommandRegistry", "there is no such command");
    if (!command->notFromScripts.isEmpty())
        return command->notFromScripts;
    if (!available(*command->action))
        return QCoreApplication::translate("tessa::CommandRegistry",
                                           "the command is off at the moment (its menu entry is "
                                           "greyed out)");
    command->action->trigger();
    return {};
}

} // namespace tessa
