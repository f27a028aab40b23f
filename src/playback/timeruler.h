// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timing/timeline.h"

#include <QWidget>

namespace tessa {

// The timeline as a bar: a mark where each item starts, a raised mark at each sound cue, and the
// position. Clicking or dragging asks for a seek.
class TimeRuler : public QWidget
{
    Q_OBJECT

public:
    explicit TimeRuler(QWidget *parent = nullptr);

    // The ruler keeps its own copy of what it draws.
    void setTimeline(const Timeline &timeline);
    void setPosition(Tick tick);
    Tick position() const { return m_position; }

    // The tick under x (in widget coordinates), and back.
    Tick tickAtX(int x) const;
    int xAtTick(Tick tick) const;

    QSize sizeHint() const override { return {480, 28}; }

signals:
    void seekRequested(tessa::Tick tick);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    Tick m_duration = 0;
    std::vector<Tick> m_lineStarts;
    std::vector<Tick> m_cueTicks;
    Tick m_position = 0;
};

} // namespace tessa
