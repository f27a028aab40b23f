// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "platform/dialogs.h"
#include "scriptresult.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace tessa {

class CommandRegistry;

// Runs a script on the open document, contained as a script from anywhere is (docs/scripting.md):
// everything it changes, by itself or through the editor's commands (app.command), becomes one
// step of the history named after the script; a script that fails or is stopped leaves the
// document as it was, and the file too: Save and Save As it asked for run once it has ended well.
// It may ask the user (tessa.ask), is asked about before it reaches files elsewhere than its own
// and the animation's folder, and shows a progress box with which it can be stopped once it has
// run for a moment. Closing the window while it runs stops it, and closes the window after.
class ScriptRunner : public QObject
{
    Q_OBJECT

public:
    enum class Outcome { Done, Failed, Stopped };
    struct Result
    {
        Outcome outcome = Outcome::Done;
        QString message; // why it failed
    };

    // `allowedFolders` are the folders the user let this script reach, kept between runs.
    ScriptRunner(QWidget *owner, Dialogs &dialogs, AnimDocument &document,
                 const CommandRegistry &commands, QStringList &allowedFolders);

    Result run(const QString &scriptPath);

protected:
    // Watches the window's close request while the script runs.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The script's changes so far brought into the document, in the script's step.
    void bringIntoDocument();
    // The script's animation made again of the document, after a command changed it.
    void takeFromDocument();
    QString runCommand(const QString &name);
    bool keepGoing();
    // Takes back every step made while the script ran, leaving none to redo.
    void dropStepsOfTheRun();

    QWidget *m_owner;
    Dialogs &m_dialogs;
    AnimDocument &m_document;
    const CommandRegistry &m_commands;
    QStringList &m_allowedFolders;

    QString m_stepName;
    std::shared_ptr<ScriptAnimation> m_animation;
    DocumentIds m_documentIds;
    bool m_commandRan = false;
    int m_historyIndex = 0;   // where the history stood before the script
    int m_knownIndex = 0;     // where it stood after the script's last command
    bool m_otherStep = false; // a step that is not the script's came in meanwhile
    QElapsedTimer m_running;
    QElapsedTimer m_sinceEvents;
    std::unique_ptr<Dialogs::Progress> m_progress;
    bool m_stopped = false;
    bool m_closeAfter = false; // the window was asked to close while the script ran
    QString m_saveAfter;       // Save or SaveAs, asked for by the script, run once it ended well
};

} // namespace tessa
