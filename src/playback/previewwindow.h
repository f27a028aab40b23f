// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "imaging/palette.h"
#include "playback/player.h"

#include <QDialog>

#include <functional>
#include <memory>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;

namespace tessa {

class clsINI;
class Dialogs;
class FrameWidget;
class LiveTexts;
class PlaybackSettings;
class SoundCuePlayer;
class TimeRuler;

// The animation played as the game plays it: the picture with its fades, a ruler to seek on, the
// transport (Space pauses, Esc stops and, once stopped, closes the window, Left and Right step
// through the items, Home and End go to the start and the end, L loops, + and - change the speed;
// the controls' tooltips say so), and the timing and sound choices, each remembered in the
// settings at once.
//
// The window fits its screen's available area, the picture at the zoom chosen or the largest
// smaller one at which the whole window fits; larger zooms are not offered. The timing and sound
// choices fold away, and start folded where showing them would cost the picture a zoom step. The
// picture keeps its size while the lines below it change: the window grows, within the screen.
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
    // Whether the screen has room for the whole picture at some zoom, with the controls.
    bool showsWholePicture() const { return m_pictureWhole; }
    // Says whether the window, of a given size without its frame, would be placed clear of the
    // main window's menus. The picture is then shown at the largest zoom that keeps them clear,
    // where some zoom does; else at the largest the screen has room for.
    void setClearOfMenusCheck(std::function<bool(const QSize &inside)> clear);
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
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Wheel turns reach the timing choices only while they have the focus; a field being typed
    // in stays in sight when the choices get less room.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildRulerRow();
    QWidget *buildTransport();
    QWidget *buildSettings();
    void installKeys();
    void escape();
    void rebuildTimeline();
    void endPlayback();
    // The width and height the picture needs in the window, with the scroll area's frame.
    QSize pictureArea() const;
    // How tall the window must be at `width` for the whole picture and the lines below it; with
    // `choicesScrolled`, the timing and sound choices take their least height and scroll.
    int heightNeeded(int width, bool choicesScrolled) const;
    // Whether the whole window, the whole picture at the frame's zoom in it, fits `room`, and
    // with `clearOfMenus` goes where the main window's menus stay clear.
    bool wholeWindowFits(const QSize &room, bool choicesScrolled, bool clearOfMenus = false);
    // The largest zoom at which the whole window fits `room` (and `clearOfMenus`); 0 for none.
    int largestZoomThatFits(const QSize &room, bool choicesScrolled, bool clearOfMenus = false);
    // Shows the picture at the zoom chosen, or the largest smaller one that fits, and sizes the
    // window to show it whole within the screen.
    void fitToScreen();
    // Lets the window grow, within the screen, where a line below the picture needs more room.
    void growToContents();
    // The timing and sound choices below the picture, or beside it.
    void placeChoicesBeside(bool beside);
    // Beside the picture, the choices keep the width `room` leaves them and their whole height.
    void reserveRoomBeside(const QSize &room);
    void showSettings(bool shown);
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
    // The texts that follow a change of language.
    LiveTexts *m_texts = nullptr;
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
    int m_chosenZoom = 0; // the user's, which the screen may not have room for
    bool m_fitting = false;
    std::function<bool(const QSize &)> m_clearOfMenus;
    bool m_pictureWhole = true;           // false where not even the smallest zoom fits the screen
    bool m_choicesScrolled = false;       // the choices scroll to leave the picture whole
    bool m_choicesBeside = false;         // beside the picture, where below it they would scroll
    static constexpr int kChoicesRow = 4; // below the picture and its lines
    QGridLayout *m_arrangement = nullptr;
    QBoxLayout *m_rateRow = nullptr;
    QCheckBox *m_aspectBox = nullptr;
    QLabel *m_timeLabel = nullptr;
    QLabel *m_cueLabel = nullptr;
    QLabel *m_noteLabel = nullptr;
    QTimer *m_cueTimer = nullptr;
    QComboBox *m_rateBox = nullptr;
    QDoubleSpinBox *m_customRate = nullptr;
    QDoubleSpinBox *m_multiplier = nullptr;
    QToolButton *m_settingsButton = nullptr;
    QScrollArea *m_settingsScroll = nullptr;
    QLabel *m_folderLabel = nullptr;
    QLineEdit *m_patternEdit = nullptr;
    QLabel *m_patternState = nullptr;
};

} // namespace tessa
