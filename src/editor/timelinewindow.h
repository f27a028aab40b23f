// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QScrollBar;
class QToolButton;

namespace tessa {

class AnimDocument;
class SoundFileStore;
class TimelineView;

// View > Timeline: a window of its own beside the main one (which keeps its size), holding the
// timeline, a scroll bar, zoom buttons and a line that says where the playhead is and what a
// drag does. Where it was put and how large it was made are told (placed) a moment after the
// user stops moving it, so that they can be kept.
class TimelineWindow : public QWidget
{
    Q_OBJECT

public:
    // `document` and `sounds` must outlive the window; `parent` is the main window.
    TimelineWindow(const AnimDocument &document, SoundFileStore &sounds, QWidget *parent);

    TimelineView &view() const { return *m_view; }
    // Where the window goes when first shown: `frame` as kept, or beside the main window for
    // an empty rectangle.
    void setPlace(const QRect &frame);

    QToolButton *zoomInButton() const { return m_zoomIn; }
    QToolButton *zoomOutButton() const { return m_zoomOut; }
    QLabel *positionLabel() const { return m_position; }

signals:
    void placed(const QRect &frame);
    // The user closed the window with its own close button (not the program, when it quits).
    void closedByUser();

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showPosition();
    void followView();

    TimelineView *m_view = nullptr;
    QScrollBar *m_scroll = nullptr;
    QToolButton *m_zoomIn = nullptr;
    QToolButton *m_zoomOut = nullptr;
    QLabel *m_position = nullptr;
    QRect m_place;
    bool m_shownOnce = false;
    QTimer m_placedLater;
};

} // namespace tessa
