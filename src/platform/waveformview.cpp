// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveformview.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessa {

void paintWaveform(QPainter &painter, const QRect &area, const Waveform &waveform, double from,
                   double to)
{
    if (waveform.isEmpty() || area.width() <= 0 || !(to > from))
        return;
    const double perPixel = (to - from) / area.width();
    const double middle = area.top() + area.height() / 2.0;
    const double half = area.height() / 2.0;
    // Only the columns the sound reaches.
    const int first = std::max(0, int(std::floor(-from / perPixel)));
    const int last = std::min(area.width(), int(std::ceil((waveform.seconds() - from) / perPixel)));
    for (int x = first; x < last; ++x) {
        const double at = from + x * perPixel;
        const Waveform::Peak peak = waveform.between(at, at + perPixel);
        const int top = int(std::floor(middle - peak.high * half));
        const int bottom = int(std::ceil(middle - peak.low * half));
        painter.drawLine(area.left() + x, top, area.left() + x, std::max(top, bottom));
    }
}

WaveformView::WaveformView(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WaveformView::setWaveform(Waveform waveform)
{
    m_waveform = std::move(waveform);
    update();
}

void WaveformView::setPart(double from, double to)
{
    m_from = from;
    m_to = to;
    update();
}

double WaveformView::secondsAtX(int x) const
{
    const double seconds = m_waveform.seconds();
    return width() > 0 ? std::clamp(double(x) / width() * seconds, 0.0, seconds) : 0.0;
}

int WaveformView::xAtSeconds(double seconds) const
{
    const double length = m_waveform.seconds();
    return length > 0 ? int(std::lround(seconds / length * width())) : 0;
}

void WaveformView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const double to = m_to >= 0 ? m_to : m_waveform.seconds();
    const QRect part(QPoint(xAtSeconds(m_from), 0), QPoint(xAtSeconds(to) - 1, height() - 1));
    painter.fillRect(part, palette().highlight().color().lighter(170));
    painter.setPen(palette().text().color());
    paintWaveform(painter, rect(), m_waveform, 0, m_waveform.seconds());
    painter.setPen(palette().highlight().color());
    painter.drawLine(part.topLeft(), part.bottomLeft());
    painter.drawLine(part.topRight(), part.bottomRight());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WaveformView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_anchor = secondsAtX(event->position().toPoint().x());
}

void WaveformView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const double here = secondsAtX(event->position().toPoint().x());
    if (here == m_anchor)
        return;
    const double from = std::min(m_anchor, here);
    const double to = std::max(m_anchor, here);
    setPart(from, to >= m_waveform.seconds() ? -1 : to);
    emit partChanged(m_from, m_to);
}

} // namespace tessa
