// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPointer>

class QWidget;

namespace tessa {

// Watches one widget and turns requests for "tell me when the pointer rests" and "tell me when
// it leaves" into one-shot MouseHover and MouseLeave signals. A request stays pending (its
// Tracking... flag true) until the signal is delivered or the request is cancelled; a new
// request while one is pending does nothing. The watched widget carries the dynamic property
// "nvTrkMouse" (this object's address) for as long as it is watched, so a widget is never
// watched twice.
class clsMouseEvents : public QObject
{
    Q_OBJECT

public:
    explicit clsMouseEvents(QObject *parent = nullptr);
    // Stops watching, if the widget still exists.
    ~clsMouseEvents() override;

    bool TrackingHoverEvent() const { return m_trackingHover; }
    bool TrackingLeaveEvent() const { return m_trackingLeave; }

    // Starts watching `hWnd`; does nothing for a null widget, for one already watched (by any
    // clsMouseEvents), or when this object already watches one.
    void SubClass(QWidget *hWnd);

    // Asks for one MouseHover once the pointer has rested over the widget for `nHoverTime`
    // milliseconds. True when the request is (or already was) pending.
    bool StartTrackingMouseHover(int nHoverTime);
    void StopTrackingMouseHover();
    // Asks for one MouseLeave when the pointer leaves the widget (at once when it is not over
    // it). True when the request is (or already was) pending.
    bool StartTrackingMouseLeave();
    void StopTrackingMouseLeave();

    // How many requests reached the widget since it was watched: a pending request is not
    // made again.
    int requestsMade() const { return m_requestsMade; }

signals:
    // `ContinueTracking` is false on entry; set it to ask for the next hover at once.
    void MouseHover(bool &ContinueTracking);
    void MouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    enum class Request { Hover, Leave };

    void HandleMessage(QEvent *event);
    void UnSubClass();
    bool TrackMouse(Request request, int hoverTime);
    void deliverLeave();

    QPointer<QWidget> m_window;
    bool m_trackingHover = false;
    bool m_trackingLeave = false;
    int m_hoverTime = 0;
    int m_requestsMade = 0;
    QBasicTimer m_hoverTimer;
};

} // namespace tessa
