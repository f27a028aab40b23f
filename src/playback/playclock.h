// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>

#include <cstdint>

namespace tessa {

// The wall clock the player follows, behind an interface so that tests can set the time.
class PlayClock
{
public:
    virtual ~PlayClock() = default;
    // Nanoseconds since some fixed moment; never goes backwards.
    virtual std::int64_t nowNs() const = 0;
};

// The system's monotonic clock.
class SteadyPlayClock final : public PlayClock
{
public:
    SteadyPlayClock() { m_timer.start(); }
    std::int64_t nowNs() const override { return m_timer.nsecsElapsed(); }

private:
    QElapsedTimer m_timer;
};

// A clock that moves only when told to, for tests and for stepping through by hand.
class ManualPlayClock final : public PlayClock
{
public:
    std::int64_t nowNs() const override { return m_now; }
    void setNs(std::int64_t now) { m_now = now; }
    void advanceMs(double ms) { m_now += static_cast<std::int64_t>(ms * 1e6); }

private:
    std::int64_t m_now = 0;
};

} // namespace tessa
