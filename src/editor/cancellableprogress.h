// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QWidget;

namespace tessa {

// The progress of a long task as the user sees it, with Cancel: every long task of the editor
// (a script, a movie imported or exported) asks it now and then whether to go on. The box shows
// only once the task has run for a moment, so that a short one shows none; while it is up, the
// user's clicks are taken between the task's steps.
class CancellableProgress
{
public:
    // `maximum` 0: a box without a measure, for a task that cannot tell how far it is. The box
    // shows once `delayMilliseconds` have passed since this object was made.
    CancellableProgress(Dialogs &dialogs, QWidget *owner, QString text, QString title, int maximum,
                        int delayMilliseconds);

    // Shows `done` (0 to 1 of the whole, where the box has a measure) and answers whether the
    // task goes on: false once the user has cancelled or stop() was called.
    bool keepGoing(double done = 0);
    // Stops the task from elsewhere (the window is being closed).
    void stop() { m_stopped = true; }
    bool stopped() const { return m_stopped; }
    // Closes the box now, before a message about the outcome that it would hide.
    void close() { m_box.reset(); }

private:
    Dialogs &m_dialogs;
    QWidget *m_owner;
    QString m_text;
    QString m_title;
    int m_maximum;
    int m_delay;
    QElapsedTimer m_running;
    QElapsedTimer m_sinceEvents;
    std::unique_ptr<Dialogs::Progress> m_box;
    bool m_stopped = false;
};

} // namespace tessa
