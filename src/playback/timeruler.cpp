// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeruler.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tessa {

namespace {

constexpr int kMargin = 4;

} // namespace

TimeRuler::TimeRuler(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(sizeHint().height());
    setCursor(Qt::PointingHandCursor);
}

void TimeRuler::setTimeline(const Timeline &timeline)
{
    m_duration = timeline.durationTicks();
    m_lineStarts.clear();
    for (int line = timeline.firstLine(); line <= timeline.lastLine(); ++line)
        m_lineStarts.push_back(*timeline.startTick(line));
    m_cueTicks.clear();
    for (const SoundCue &cue : timeline.soundCues())
        m_cueTicks.push_back(cue.tick);
    m_position = std::min(m_position, m_duration);
    update();
}

void TimeRuler::setPosition(Tick tick)
{
    if (tick == m_position)
        return;
    m_position = tick;
    update();
}

Tick TimeRuler::tickAtX(int x) const
{
    const int span = std::max(1, width() - 2 * kMargin);
    const double fraction = std::clamp(double(x - kMargin) / span, 0.0, 1.0);
    return static_cast<Tick>(fraction * double(m_duration) + 0.5);
}

int TimeRuler::xAtTick(Tick tick) const
{
    const int span = std::max(1, width() - 2 * kMargin);
    if (m_duration <= 0)
        return kMargin;
    return kMargin + int(double(std::clamp<Tick>(tick, 0, m_duration)) * span / double(m_duration));
}

void TimeRuler::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colors = palette();
    painter.fillRect(rect(), colors.base());
    const int top = 4;
    const int bottom = height() - 4;
    painter.setPen(colors.color(QPalette::Mid));
    painter.drawLine(kMargin, (top + bottom) / 2, width() - kMargin, (top + bottom) / 2);
    for (Tick start : m_lineStarts) {
        const int x = xAtTick(start);
        painter.drawLine(x, top + 6, x, bottom - 6);
    }
    // Sound cues stand out above the item marks.
    painter.setPen(QPen(QColor(0xD0, 0x60, 0x00), 2));
    for (Tick cue : m_cueTicks) {
        const int x = xAtTick(cue);
        painter.drawLine(x, top, x, (top + bottom) / 2);
    }
    painter.setPen(QPen(colors.color(QPalette::Highlight), 2));
    const int x = xAtTick(m_position);
    painter.drawLine(x, 0, x, height());
}

void TimeRuler::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit seekRequested(tickAtX(event->position().toPoint().x()));
}

void TimeRuler::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        emit seekRequested(tickAtX(event->position().toPoint().x()));
}

} // namespace tessa
