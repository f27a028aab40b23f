// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "imaging/palette.h"
#include "playback/player.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTimer;

namespace tessa {

class clsINI;
class Dialogs;
class FrameWidget;
class PlaybackSettings;
class SoundCuePlayer;
class TimeRuler;

// The animation played as the game plays it: the picture with its fades, a ruler to seek on, the
// transport (Space pauses, Esc stops, Left and Right step through the items, Home and End go to
// the start and the end, L loops, + and - change the speed), and the timing and sound choices,
// each remembered in the settings at once.
//
// The transport keys work wherever the focus is, except in a text field that takes them as
// typing; the picture holds the focus at first, so a choice such as the tick rate changes only
// once the user has picked its field (a click or Tab), never by a stray key or wheel turn.
//
// The window does not own the document: it reads the items through `items` whenever it needs them
// and must be told when they change (itemsChanged) and when the palette changes
// (setPaletteColors). `items`, `settings` and `dialogs` must outlive the window.
class PreviewWindow : public QDialog
{
    Q_OBJECT

public:
    PreviewWindow(std::function<const ItemList &()> items, clsINI &settings, Dialogs &dialogs,
                  QWidget *parent = nullptr, std::unique_ptr<PlayClock> clock = {});
    ~PreviewWindow() override;

    void setPaletteColors(const PaletteColors &colors);
    // Shows the window if needed and plays from the start of `line`.
    void playFrom(int line);

    Player &player() { return *m_player; }
    FrameWidget &frameWidget() { return *m_frame; }
    TimeRuler &ruler() { return *m_ruler; }
    // The text of the last note (a sound that could not be played, a refused pattern); "" for none.
    QString noteText() const;
    // What the cue label shows: "sound 5" for a moment after a cue.
    QString cueText() const;

public slots:
    // Rebuilds the timeline from the items, keeping the position.
    void itemsChanged();

signals:
    // The line under way, for the main window to mark: sent from the moment playing starts
    // until playbackEnded, also while paused in between.
    void playingLine(int line);
    // Playback was stopped, reached the end, or the window was closed: nothing is under way any
    // more, and no playingLine follows until playing starts again.
    void playbackEnded();

protected:
    void hideEvent(QHideEvent *event) override;
    // Wheel turns reach the timing choices only while they have the focus.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildTransport();
    QWidget *buildSettings();
    void installKeys();
    void rebuildTimeline();
    void endPlayback();
    // The width and height the picture needs in the window, with the scroll area's frame.
    QSize pictureArea() const;
    // The window's size for the whole picture at the frame's zoom, before the screen's limit.
    QSize sizeForPicture() const;
    // Sizes the window to show the whole picture at its zoom, within the screen.
    void fitToPicture();
    // The largest zoom up to `wanted` at which the whole window fits the screen.
    int zoomThatFits(int wanted);
    QSize roomOnScreen() const;
    void showScreen(const ScreenState &screen);
    void showCue(const SoundCue &cue);
    void showNote(const QString &text);
    void updateTimeLabel();
    void applyTickRateChoice();
    void chooseSoundFolder();
    // The pattern in the field takes effect as it is typed once it is valid; it is kept in the
    // settings, or refused with a note, when the edit is finished (Enter or leaving the field).
    void tryPattern();
    void applySoundPattern();
    void showPatternState();
    void changeSpeed(int steps);

    std::function<const ItemList &()> m_items;
    Dialogs &m_dialogs;
    std::unique_ptr<PlaybackSettings> m_settings;
    Player *m_player = nullptr;
    SoundCuePlayer *m_sounds = nullptr;
    PaletteColors m_colors{};
    int m_shownImage = -2;   // the item whose pixels the frame holds; -2 for none loaded
    bool m_underWay = false; // from play until stop, the end or closing

    FrameWidget *m_frame = nullptr;
    QScrollArea *m_scroll = nullptr;
    TimeRuler *m_ruler = nullptr;
    QPushButton *m_playButton = nullptr;
    QCheckBox *m_loopBox = nullptr;
    QComboBox *m_speedBox = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QCheckBox *m_aspectBox = nullptr;
    QLabel *m_timeLabel = nullptr;
    QLabel *m_cueLabel = nullptr;
    QLabel *m_noteLabel = nullptr;
    QTimer *m_cueTimer = nullptr;
    QComboBox *m_rateBox = nullptr;
    QDoubleSpinBox *m_customRate = nullptr;
    QDoubleSpinBox *m_multiplier = nullptr;
    QLabel *m_folderLabel = nullptr;
    QLineEdit *m_patternEdit = nullptr;
    QLabel *m_patternState = nullptr;
};

} // namespace tessa
