// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "player.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

// The ruler and the time display move at least this often while playing.
constexpr std::int64_t kLongestWaitMs = 40;

} // namespace

Player::Player(std::unique_ptr<PlayClock> clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock ? std::move(clock) : std::make_unique<SteadyPlayClock>())
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Player::advance);
    m_screen = m_timeline.screenAt(0);
}

void Player::setTimeline(Timeline timeline)
{
    if (m_playing)
        advance();
    m_timeline = std::move(timeline);
    const Tick position = std::clamp<Tick>(m_position, 0, m_timeline.durationTicks());
    // A cue at the position has already been played when playing went through it.
    m_nextCue = m_playing ? firstCueFrom(position + 1) : firstCueFrom(position);
    moveTo(position, true);
    if (m_playing) {
        anchor();
        scheduleNext();
    }
}

void Player::setSpeed(double speed)
{
    if (m_playing)
        advance();
    m_speed = std::isfinite(speed) ? std::clamp(speed, kMinSpeed, kMaxSpeed) : 1.0;
    if (m_playing) {
        anchor();
        scheduleNext();
    }
}

void Player::play()
{
    if (m_playing)
        return;
    if (m_position >= m_timeline.durationTicks())
        seek(0);
    m_playing = true;
    // The clock starts after the listeners have got ready (the sound output may open its
    // device), so that their time is not taken from the first screens.
    emit playingChanged(true);
    anchor();
    // The main window follows the line: tell it where playing starts, even if it is no change.
    emit lineChanged(m_line);
    advance();
}

void Player::playFrom(int line)
{
    pause();
    seek(m_timeline.startTick(line).value_or(m_timeline.durationTicks()));
    play();
}

void Player::pause()
{
    if (!m_playing)
        return;
    advance();
    m_playing = false;
    m_timer.stop();
    emit playingChanged(false);
}

void Player::togglePause()
{
    if (m_playing)
        pause();
    else
        play();
}

void Player::stop()
{
    pause();
    seek(0);
    emit stopped();
}

void Player::seek(Tick tick)
{
    tick = std::clamp<Tick>(tick, 0, m_timeline.durationTicks());
    m_nextCue = firstCueFrom(tick);
    moveTo(tick, false);
    if (m_playing) {
        anchor();
        scheduleNext();
    }
}

void Player::stepNext()
{
    const int next = m_timeline.lineAt(m_position) + 1;
    seek(m_timeline.startTick(next).value_or(m_timeline.durationTicks()));
}

void Player::stepPrevious()
{
    Tick target = 0;
    for (int line = m_timeline.firstLine(); line <= m_timeline.lastLine(); ++line) {
        const Tick start = *m_timeline.startTick(line);
        if (start >= m_position)
            break;
        target = start;
    }
    seek(target);
}

void Player::advance()
{
    if (!m_playing)
        return;
    const Tick duration = m_timeline.durationTicks();
    const double elapsedTicks =
            double(m_clock->nowNs() - m_anchorNs) * m_timeline.tickRate() * m_speed / 1e9;
    Tick tick = m_anchorTick + static_cast<Tick>(std::floor(elapsedTicks));
    if (tick >= duration) {
        fireCuesUpTo(duration);
        moveTo(duration, false);
        if (!m_loop || duration <= 0) {
            m_playing = false;
            m_timer.stop();
            emit playingChanged(false);
            emit finished();
            return;
        }
        // Round again from the start (as often as the clock has gone past the end), keeping the
        // clock's reference so that no time is lost.
        const Tick over = tick - duration;
        m_anchorNs += nsForTicks(duration - m_anchorTick) + nsForTicks(over / duration * duration);
        m_anchorTick = 0;
        m_nextCue = 0;
        tick = over % duration;
    }
    fireCuesUpTo(tick);
    moveTo(tick, false);
    scheduleNext();
}

void Player::anchor()
{
    m_anchorTick = m_position;
    m_anchorNs = m_clock->nowNs();
}

std::int64_t Player::nsForTicks(Tick ticks) const
{
    return static_cast<std::int64_t>(
            std::ceil(double(ticks) * 1e9 / (m_timeline.tickRate() * m_speed)));
}

void Player::moveTo(Tick tick, bool announceAll)
{
    const bool moved = tick != m_position;
    m_position = tick;
    const ScreenState screen = m_timeline.screenAt(tick);
    if (announceAll || screen != m_screen) {
        m_screen = screen;
        emit screenChanged(screen);
    }
    const int line = m_timeline.lineAt(tick);
    if (announceAll || line != m_line) {
        m_line = line;
        emit lineChanged(line);
    }
    if (announceAll || moved)
        emit positionChanged(tick);
}

void Player::fireCuesUpTo(Tick tick)
{
    const auto &cues = m_timeline.soundCues();
    while (m_nextCue < cues.size() && cues[m_nextCue].tick <= tick)
        emit soundCue(cues[m_nextCue++]);
}

std::size_t Player::firstCueFrom(Tick tick) const
{
    const auto &cues = m_timeline.soundCues();
    return static_cast<std::size_t>(
            std::lower_bound(cues.begin(), cues.end(), tick,
                             [](const SoundCue &cue, Tick t) { return cue.tick < t; })
            - cues.begin());
}

void Player::scheduleNext()
{
    if (!m_playing)
        return;
    // The next tick at which something is due: a screen change, a cue, a line or the end.
    Tick next = m_timeline.durationTicks();
    const auto &steps = m_timeline.steps();
    const auto step = std::upper_bound(steps.begin(), steps.end(), m_position,
                                       [](Tick t, const ScreenStep &s) { return t < s.tick; });
    if (step != steps.end())
        next = std::min(next, step->tick);
    const auto &cues = m_timeline.soundCues();
    if (m_nextCue < cues.size())
        next = std::min(next, cues[m_nextCue].tick);
    if (const auto start = m_timeline.startTick(m_timeline.lineAt(m_position) + 1))
        next = std::min(next, *start);
    next = std::max(next, m_position + 1);

    const std::int64_t dueNs = m_anchorNs + nsForTicks(next - m_anchorTick);
    const std::int64_t waitNs = std::max<std::int64_t>(0, dueNs - m_clock->nowNs());
    // Rounded up: waking early only costs another round, waking late costs precision.
    const std::int64_t waitMs = std::min(kLongestWaitMs, (waitNs + 999'999) / 1'000'000);
    m_timer.start(static_cast<int>(waitMs));
}

} // namespace tessa
