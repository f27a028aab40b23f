// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/playclock.h"
#include "timing/timeline.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace tessa {

// Plays a timeline by the wall clock. The position is always worked out from the clock (the tick
// at which playing started plus the time since, times the speed), so a late timer only drops the
// screens it has missed and never slows the animation down.
//
// Signals carry what changed: the screen (image and fade level) whenever it differs from the last
// one sent, the line under way, each sound cue once as the position passes it, and the position
// itself. Starting to play sends the line again. Seeking sends the screen and line at once and no
// sound cues; cues at the very tick playing starts from are played.
class Player : public QObject
{
    Q_OBJECT

public:
    static constexpr double kMinSpeed = 0.25;
    static constexpr double kMaxSpeed = 4.0;

    // Without a clock the player follows the system's monotonic clock.
    explicit Player(std::unique_ptr<PlayClock> clock = {}, QObject *parent = nullptr);

    // Replaces the timeline, keeping the position (within the new duration) and whether it plays.
    void setTimeline(Timeline timeline);
    const Timeline &timeline() const { return m_timeline; }

    bool isPlaying() const { return m_playing; }
    Tick position() const { return m_position; }
    int currentLine() const { return m_line; }
    ScreenState screen() const { return m_screen; }

    bool loop() const { return m_loop; }
    void setLoop(bool loop) { m_loop = loop; }
    double speed() const { return m_speed; }
    // Clamped to kMinSpeed..kMaxSpeed; takes effect from the current position.
    void setSpeed(double speed);

    PlayClock &clock() const { return *m_clock; }

public slots:
    // Plays from the current position; from the start when it stands at the end.
    void play();
    // Plays from the start of `line` (the end for a line that is not played).
    void playFrom(int line);
    void pause();
    void togglePause();
    // Stops and goes back to the start.
    void stop();
    void seek(tessa::Tick tick);
    // To the next line that starts later than the position, or to the end.
    void stepNext();
    // To the last line start before the position, or to the start.
    void stepPrevious();
    // Catches up with the clock: what the timer runs; tests call it after moving their clock.
    void advance();

signals:
    void screenChanged(tessa::ScreenState screen);
    void lineChanged(int line);
    void soundCue(tessa::SoundCue cue);
    void positionChanged(tessa::Tick tick);
    void playingChanged(bool playing);
    // The end was reached without looping.
    void finished();
    // stop() went back to the start (a pause alone does not say this).
    void stopped();

private:
    void anchor();
    void moveTo(Tick tick, bool announceAll);
    std::int64_t nsForTicks(Tick ticks) const;
    void fireCuesUpTo(Tick tick);
    void scheduleNext();
    std::size_t firstCueFrom(Tick tick) const;

    std::unique_ptr<PlayClock> m_clock;
    QTimer m_timer;
    Timeline m_timeline;
    bool m_playing = false;
    bool m_loop = false;
    double m_speed = 1.0;
    Tick m_position = 0;
    ScreenState m_screen;
    int m_line = -1;
    std::size_t m_nextCue = 0;
    // Playing started at m_anchorTick when the clock read m_anchorNs.
    Tick m_anchorTick = 0;
    std::int64_t m_anchorNs = 0;
};

} // namespace tessa
