// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "imaging/palette.h"
#include "timing/timeedits.h"
#include "timing/timeline.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <unordered_map>
#include <vector>

namespace tessa {

class SoundFileStore;

// The animation along time, at the preview's timing: a ruler in seconds and ticks, every image
// as a thumbnail where it starts, pauses as spans with their ticks, fades as ramps, sound cues
// as bars as long as their files with their waveforms (a missing file marked), and a playhead.
//
// Clicking or dragging on the ruler moves the playhead (scrubbed). Dragging the end of a pause,
// an image or a sound cue moves it in time: while the drag lasts the view shows what the list
// will hold (dragText says it), and on release asks for the change (editRequested); Esc takes
// the drag back. Ctrl+wheel, + and - zoom, the wheel scrolls.
//
// It reads the document's items but never changes them. Everything drawn is made ready when the
// items, the timing or the colours change, or once per image or sound, so that drawing itself
// stays quick however long the animation is.
class TimelineView : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kMinPixelsPerTick = 0.01;
    static constexpr double kMaxPixelsPerTick = 32.0;

    // `document` and `sounds` must outlive the view.
    TimelineView(const AnimDocument &document, SoundFileStore &sounds, QWidget *parent = nullptr);

    // How the view plays the items: the preview's timing, and the file of sound n ("" for none).
    void setTiming(const TimingSettings &timing);
    void setSoundFiles(std::function<QString(std::int32_t number)> soundFile);
    void setColors(const PaletteColors &colors);
    // Reads the items again, after they changed.
    void itemsChanged();
    // Draws the sounds again, after their files changed.
    void soundsChanged();

    const Timeline &timeline() const { return m_timeline; }
    const TimingSettings &timing() const { return m_timing; }
    // The file of sound `number`, as setSoundFiles() names it.
    QString soundFile(std::int32_t number) const;

    Tick playhead() const { return m_playhead; }
    void setPlayhead(Tick tick);
    int selectedLine() const { return m_selected; }
    // Marks `line` and, unless the playhead is within it already, puts the playhead at its start
    // and in sight.
    void showLine(int line);

    double pixelsPerTick() const { return m_pixelsPerTick; }
    // Zooms, keeping the tick under `anchorX` (the middle when -1) where it is.
    void setPixelsPerTick(double pixelsPerTick, int anchorX = -1);
    void zoomIn();
    void zoomOut();
    // The tick at the left edge, and how far the view can scroll.
    double firstTick() const { return m_first; }
    void setFirstTick(double tick);
    Tick lastTick() const;
    void ensureVisible(Tick tick);

    // Where tick `tick` is drawn, and the tick drawn at `x`.
    double xAtTick(double tick) const;
    Tick tickAtX(double x) const;

    // The rows, from the top.
    QRect rulerRow() const;
    QRect imageRow() const;
    QRect timingRow() const;
    QRect soundRow() const;
    // Where the item of `line` is drawn in its row (empty when it is drawn nowhere): an image's
    // thumbnail, a pause's or a fade's span, a sound cue's bar.
    QRect itemRect(int line) const;

    // What a drag shows while it lasts ("" when none goes on).
    QString dragText() const { return m_dragText; }
    bool isDragging() const { return m_drag != Drag::None; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The playhead was put at `tick` by the user; `dragging` while the button is held.
    void scrubbed(tessa::Tick tick, bool dragging);
    // The playhead moved, by the user or to show a line.
    void playheadMoved();
    // The user picked the item of `line`.
    void lineClicked(int line);
    // A drag ended in `edit`, named `name` (as an undo step).
    void editRequested(const tessa::TimeEdit &edit, const QString &name);
    // The zoom or the scrolling changed.
    void viewChanged();
    // A drag began or ended, or its text changed.
    void dragChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Drag { None, Scrub, PauseEnd, Image, Cue };

    // The items as drawn: the document's, or those a drag would leave. Their frames stay with
    // the document (an image's `id` finds it).
    struct Shown
    {
        ItemList items; // without frames
        std::vector<ItemId> ids;
        Timeline timeline;
    };

    void rebuildShown();
    void paintRuler(QPainter &painter, Tick first, Tick last);
    void paintItems(QPainter &painter, Tick first, Tick last);
    void paintSounds(QPainter &painter, Tick first, Tick last);
    // The first and last shown line whose drawing may reach ticks first to last.
    std::pair<int, int> linesBetween(Tick first, Tick last) const;
    Tick endOf(int line) const;
    // The ticks sound cue `number` lasts at the timing, 0 for none.
    Tick cueTicks(std::int32_t number) const;
    const QPixmap &thumbnail(ItemId id);
    // The line of the item under `point`, and what a drag there does.
    std::pair<int, Drag> hit(const QPoint &point) const;
    void dragTo(double x);
    void endDrag(bool keep);

    const AnimDocument &m_document;
    SoundFileStore &m_sounds;
    std::function<QString(std::int32_t)> m_soundFile;
    TimingSettings m_timing;
    PaletteColors m_colors{};
    Timeline m_timeline; // of the document's items
    ItemList m_light;    // the document's items without frames
    Shown m_shown;
    std::unordered_map<ItemId, QPixmap> m_thumbnails;

    double m_pixelsPerTick = 2.0;
    double m_first = 0; // the tick at the left edge
    Tick m_playhead = 0;
    int m_selected = -1;

    Drag m_drag = Drag::None;
    int m_dragLine = -1;
    double m_grab = 0; // ticks between the grab point and what is dragged
    TimeEdit m_edit;
    QString m_dragText;
};

} // namespace tessa
