// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/waveform.h"

#include <QWidget>

class QPainter;

namespace tessa {

// Draws the stretch `from` to `to` seconds of `waveform` into `area`, a column of pixels at a
// time, each from its lowest to its highest sample, centred on the area's middle.
void paintWaveform(QPainter &painter, const QRect &area, const Waveform &waveform, double from,
                   double to);

// A whole sound's waveform with a part of it marked: dragging across it marks a part, which
// the spin boxes of a dialog can follow (partChanged) and set (setPart).
class WaveformView : public QWidget
{
    Q_OBJECT

public:
    explicit WaveformView(QWidget *parent = nullptr);

    void setWaveform(Waveform waveform);
    const Waveform &waveform() const { return m_waveform; }
    // Seconds into the sound; `to` below 0: to its end.
    void setPart(double from, double to);
    double from() const { return m_from; }
    double to() const { return m_to; }

    // The seconds under x (in widget coordinates), within the sound, and back.
    double secondsAtX(int x) const;
    int xAtSeconds(double seconds) const;

    QSize sizeHint() const override { return {420, 80}; }
    QSize minimumSizeHint() const override { return {120, 48}; }

signals:
    void partChanged(double from, double to);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    Waveform m_waveform;
    double m_from = 0;
    double m_to = -1;
    double m_anchor = 0; // where the drag began
};

} // namespace tessa
