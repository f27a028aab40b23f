// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tessa {

class clsINI;

// Where a tool window of the main window (Item Details, the preview) goes each time it is shown:
// where the user last put it, while that is on a screen; else beside the main window where the
// screen has room, else where it covers the least of it (placeBeside). Where the user puts it is
// kept in the settings file, in section `section` (keys Left and Top, the corner of its frame),
// written once the user has moved it, never at start-up or close. The window must be a top-level
// window whose parent is the main window; this object is made its child.
class ToolWindowPlace : public QObject
{
    Q_OBJECT

public:
    // `besideWhen`, where given, says whether the window may go beside the main window (a
    // window that needs the whole screen says no, and stays where it put itself).
    ToolWindowPlace(QWidget &window, clsINI &settings, std::string section,
                    std::function<bool()> besideWhen = {});

    // The corner the user put the window's frame at, as the settings keep it; nothing when they
    // never moved it or it is unreadable.
    std::optional<QPoint> remembered() const;

    // Whether the window, `inside` large (without its frame), would go where it is shown without
    // covering the main window's title and menus: beside the main window, or below its menus.
    // Always where the user put it last, and without a main window shown.
    bool fitsClearOfMenus(const QSize &inside) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The main window's frame, its title and menus, and the screen area around it; nothing
    // while no main window is shown.
    struct Surroundings
    {
        QRect anchor;
        QRect menus;
        QRect available;
    };
    std::optional<Surroundings> surroundings() const;
    // The remembered corner, while a frame of `size` there lies on a screen.
    std::optional<QPoint> rememberedOnScreen(const QSize &size) const;
    void place();
    void rememberWhereItIs();

    QWidget &m_window;
    clsINI &m_settings;
    std::string m_section;
    std::function<bool()> m_besideWhen;
    // Where the program put the frame's corner last: a move elsewhere is the user's.
    std::optional<QPoint> m_placedAt;
    // A window being dragged moves many times: written once it has come to rest.
    QTimer m_settle;
};

} // namespace tessa
