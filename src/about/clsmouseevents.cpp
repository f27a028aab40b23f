// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clsmouseevents.h"

#include <QEvent>
#include <QTimerEvent>
#include <QVariant>
#include <QWidget>

namespace tessa {

namespace {

constexpr const char *kWatchedProperty = "nvTrkMouse";

} // namespace

clsMouseEvents::clsMouseEvents(QObject *parent)
    : QObject(parent)
{
}

clsMouseEvents::~clsMouseEvents()
{
    UnSubClass();
}

void clsMouseEvents::SubClass(QWidget *hWnd)
{
    if (!hWnd || m_window || hWnd->property(kWatchedProperty).isValid())
        return;
    hWnd->setProperty(kWatchedProperty, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
    // Hover events come only to widgets that ask for them.
    hWnd->setAttribute(Qt::WA_Hover);
    hWnd->installEventFilter(this);
    m_window = hWnd;
    m_requestsMade = 0;
}

void clsMouseEvents::UnSubClass()
{
    if (!m_window)
        return; // destroyed before us: nothing to restore
    StopTrackingMouseHover();
    StopTrackingMouseLeave();
    m_window->removeEventFilter(this);
    m_window->setProperty(kWatchedProperty, QVariant());
    m_window = nullptr;
}

bool clsMouseEvents::TrackMouse(Request request, int hoverTime)
{
    if (!m_window)
        return false;
    ++m_requestsMade;
    if (request == Request::Hover) {
        m_hoverTimer.start(hoverTime, this);
    } else if (!m_window->underMouse()) {
        // The pointer is elsewhere already: the leave is due now, but never from inside the
        // caller's own request.
        QMetaObject::invokeMethod(this, &clsMouseEvents::deliverLeave, Qt::QueuedConnection);
    }
    return true;
}

bool clsMouseEvents::StartTrackingMouseHover(int nHoverTime)
{
    if (m_trackingHover)
        return true;
    m_trackingHover = TrackMouse(Request::Hover, nHoverTime);
    if (m_trackingHover)
        m_hoverTime = nHoverTime;
    return m_trackingHover;
}

void clsMouseEvents::StopTrackingMouseHover()
{
    if (!m_trackingHover)
        return;
    m_hoverTimer.stop();
    m_trackingHover = false;
}

bool clsMouseEvents::StartTrackingMouseLeave()
{
    if (m_trackingLeave)
        return true;
    m_trackingLeave = TrackMouse(Request::Leave, 0);
    return m_trackingLeave;
}

void clsMouseEvents::StopTrackingMouseLeave()
{
    m_trackingLeave = false;
}

bool clsMouseEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window)
        HandleMessage(event);
    // Every event goes on to the widget itself.
    return QObject::eventFilter(watched, event);
}

void clsMouseEvents::HandleMessage(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Leave:
        deliverLeave();
        break;
    case QEvent::MouseMove:
    case QEvent::HoverMove:
        // Hovering means resting: every movement starts the wait again.
        if (m_trackingHover)
            m_hoverTimer.start(m_hoverTime, this);
        break;
    default:
        break;
    }
}

void clsMouseEvents::deliverLeave()
{
    if (!m_trackingLeave)
        return;
    StopTrackingMouseHover();
    m_trackingLeave = false;
    emit MouseLeave();
}

void clsMouseEvents::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_hoverTimer.timerId())
        return QObject::timerEvent(event);
    m_hoverTimer.stop();
    m_trackingHover = false;
    bool continueTracking = false;
    emit MouseHover(continueTracking);
    if (continueTracking)
        StartTrackingMouseHover(m_hoverTime);
}

} // namespace tessa
