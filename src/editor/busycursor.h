// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace tessa {

// Shows the hourglass over a window for as long as it lives, so that no early return can leave
// it on; restore() ends it sooner, before a message box.
class BusyCursor
{
public:
    explicit BusyCursor(QWidget *window)
        : m_window(window)
    {
        m_window->setCursor(Qt::WaitCursor);
    }
    ~BusyCursor() { restore(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    void restore()
    {
        if (m_window)
            m_window->unsetCursor();
        m_window = nullptr;
    }

private:
    QWidget *m_window;
};

} // namespace tessa
