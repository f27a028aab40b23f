// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

class QAction;

namespace tessa {

// The editor's commands by name. Each is the action of a menu entry, so the menu, its shortcut
// and a script (app.command.NAME) run the same code under the same enabled rule.
class CommandRegistry
{
public:
    // `action` stays owned by its menu. `notFromScripts`, when not empty, says why a script may
    // not run the command (it would replace the document the script works on, say).
    void add(const QString &name, QAction *action, const QString &notFromScripts = {});

    // The action of `name`, or null.
    QAction *action(const QString &name) const;
    // In the order they were added.
    QStringList names() const;

    // Runs `name` on behalf of a script as its menu entry runs it: "" when it ran, else why not
    // (no such command, not for scripts, or off at the moment, as its greyed entry shows).
    QString runForScript(const QString &name) const;

private:
    struct Command
    {
        QString name;
        QPointer<QAction> action;
        QString notFromScripts;
    };
    const Command *find(const QString &name) const;

    std::vector<Command> m_commands;
};

} // namespace tessa
