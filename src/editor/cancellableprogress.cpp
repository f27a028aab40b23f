// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cancellableprogress.h"

#include <QCoreApplication>

#include <algorithm>

namespace tessa {

namespace {

// How often the box takes the user's clicks: often enough to feel at once, seldom enough to
// cost the task nothing.
constexpr qint64 kEventMilliseconds = 50;

} // namespace

CancellableProgress::CancellableProgress(Dialogs &dialogs, QWidget *owner, QString text,
                                         QString title, int maximum, int delayMilliseconds)
    : m_dialogs(dialogs)
    , m_owner(owner)
    , m_text(std::move(text))
    , m_title(std::move(title))
    , m_maximum(std::max(0, maximum))
    , m_delay(delayMilliseconds)
{
    m_running.start();
}

bool CancellableProgress::keepGoing(double done)
{
    if (m_stopped)
        return false;
    if (m_running.elapsed() < m_delay)
        return true;
    const bool opening = !m_box;
    if (opening)
        m_box = m_dialogs.progress(m_owner, m_text, m_title, m_maximum);
    if (m_maximum > 0)
        m_box->setValue(std::clamp(int(done * m_maximum), 0, m_maximum));
    if (opening || m_sinceEvents.elapsed() >= kEventMilliseconds) {
        m_sinceEvents.start();
        if (m_maximum == 0)
            m_box->setValue(0);
        QCoreApplication::processEvents();
    }
    if (m_box && m_box->wasCancelled())
        m_stopped = true;
    return !m_stopped;
}

} // namespace tessa
