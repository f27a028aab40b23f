// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framewidget.h"

#include "document/animitem.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tessa {

namespace {

QList<QRgb> colorTable(const PaletteColors &colors)
{
    QList<QRgb> table(256);
    for (std::size_t i = 0; i < colors.size(); ++i)
        table[qsizetype(i)] = qRgb(redOf(colors[i]), greenOf(colors[i]), blueOf(colors[i]));
    return table;
}

int rowsShown(bool aspect43)
{
    return aspect43 ? kFrameHeight * 6 / 5 : kFrameHeight;
}

} // namespace

FrameWidget::FrameWidget(QWidget *parent)
    : QWidget(parent)
    , m_frame(kFrameWidth, kFrameHeight, QImage::Format_Indexed8)
{
    m_frame.setColorTable(colorTable(PaletteColors{}));
    m_frame.fill(0);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    updateSize();
}

void FrameWidget::setFrame(std::span<const std::uint8_t> pixels)
{
    for (int y = 0; y < kFrameHeight; ++y) {
        uchar *line = m_frame.scanLine(y);
        const std::size_t from = std::size_t(y) * kFrameWidth;
        const std::size_t have =
                from < pixels.size() ? std::min<std::size_t>(kFrameWidth, pixels.size() - from) : 0;
        if (have > 0)
            std::memcpy(line, pixels.data() + from, have);
        std::memset(line + have, 0, kFrameWidth - have);
    }
    m_hasFrame = true;
    m_scaledStale = true;
    update();
}

void FrameWidget::clearFrame()
{
    m_hasFrame = false;
    update();
}

void FrameWidget::setColors(const PaletteColors &colors)
{
    const QList<QRgb> table = colorTable(colors);
    m_frame.setColorTable(table);
    if (!m_scaled.isNull())
        m_scaled.setColorTable(table);
    update();
}

void FrameWidget::setZoom(int zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    m_scaledStale = true;
    updateSize();
}

void FrameWidget::setAspect43(bool aspect43)
{
    if (aspect43 == m_aspect43)
        return;
    m_aspect43 = aspect43;
    m_scaledStale = true;
    updateSize();
}

int FrameWidget::deviceScale() const
{
    return std::max(1, int(std::lround(m_zoom * devicePixelRatioF())));
}

QSize FrameWidget::sizeHint() const
{
    const double ratio = devicePixelRatioF();
    const int scale = deviceScale();
    return {int(std::ceil(kFrameWidth * scale / ratio - 1e-9)),
            int(std::ceil(rowsShown(m_aspect43) * scale / ratio - 1e-9))};
}

void FrameWidget::updateSize()
{
    setFixedSize(sizeHint());
    update();
}

void FrameWidget::changeEvent(QEvent *event)
{
    // Moving to a screen of another scale factor changes the device pixels per image pixel.
    if (event->type() == QEvent::ScreenChangeInternal) {
        m_scaledStale = true;
        updateSize();
    }
    QWidget::changeEvent(event);
}

void FrameWidget::rebuildScaled(int scale)
{
    const int rows = rowsShown(m_aspect43) * scale;
    const int columns = kFrameWidth * scale;
    m_scaled = QImage(columns, rows, QImage::Format_Indexed8);
    m_scaled.setColorTable(m_frame.colorTable());
    std::vector<uchar> line(std::size_t(columns), 0);
    int sourceRow = -1;
    for (int y = 0; y < rows; ++y) {
        // Nearest neighbour by a fixed pattern: in 4:3, every 5 rows become 6.
        const int from = m_aspect43 ? y * 5 / (6 * scale) : y / scale;
        if (from != sourceRow) {
            const uchar *source = m_frame.constScanLine(from);
            for (int x = 0; x < columns; ++x)
                line[std::size_t(x)] = source[x / scale];
            sourceRow = from;
        }
        std::memcpy(m_scaled.scanLine(y), line.data(), line.size());
    }
    m_scaledStale = false;
}

void FrameWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(rect(), Qt::black);
    if (!m_hasFrame)
        return;
    const double ratio = devicePixelRatioF();
    const int scale = deviceScale();
    if (m_scaledStale || m_scaled.width() != kFrameWidth * scale)
        rebuildScaled(scale);
    // Drawn at the image's own device pixel ratio: one image pixel to one device pixel.
    m_scaled.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(0, 0), m_scaled);
}

} // namespace tessa
