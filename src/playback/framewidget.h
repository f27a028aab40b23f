// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/palette.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <span>

namespace tessa {

// A 320 x 200 frame of palette indices, shown pixel-exact: every image pixel becomes a block of
// whole device pixels (nearest neighbour, never smoothed), also at fractional screen scale factors
// (the factor is rounded to whole device pixels, so a 1.5 screen shows 1x as 2 device pixels).
// The optional 4:3 view shows the 200 rows as 240, as a CRT did, repeating every fifth row.
//
// The frame is kept as an indexed image; changing the colours only swaps its colour table, so a
// fade step costs no work per pixel. The widget has a fixed size: its size hint.
class FrameWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 6;

    explicit FrameWidget(QWidget *parent = nullptr);

    // The frame's indices; a span shorter than a frame leaves the rest at index 0.
    void setFrame(std::span<const std::uint8_t> pixels);
    // Nothing to show: the widget paints black.
    void clearFrame();
    bool hasFrame() const { return m_hasFrame; }
    void setColors(const PaletteColors &colors);

    int zoom() const { return m_zoom; }
    void setZoom(int zoom);
    bool aspect43() const { return m_aspect43; }
    void setAspect43(bool aspect43);

    // The frame at 320 x 200 with the colour table in use.
    const QImage &frame() const { return m_frame; }
    // Device pixels per image pixel across, at the widget's current device pixel ratio.
    int deviceScale() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateSize();
    void rebuildScaled(int scale);

    QImage m_frame;
    QImage m_scaled; // the frame at device size, indexed too
    bool m_hasFrame = false;
    bool m_scaledStale = true;
    int m_zoom = 1;
    bool m_aspect43 = false;
};

} // namespace tessa
