// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/clsini.h"
#include "settings/numberranges.h"
#include "timing/timeline.h"

#include <string>

namespace tessa {

// The preview's choices, kept in the settings file's section "Playback". Every getter reads the
// store and falls back to its default when the key is missing or its value is unreadable or out of
// range; every setter writes its key at once (clsINI saves the file). Nothing is written on
// reading, so opening and closing the preview leaves the file as it was.
class PlaybackSettings
{
public:
    static constexpr const char *kSection = "Playback";

    static constexpr double kMinSpeed = 0.25;
    static constexpr double kMaxSpeed = 4.0;
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 6;

    // The store must outlive this object.
    explicit PlaybackSettings(clsINI &store)
        : m_store(store)
    {
    }

    // Key TickRate: ticks per second, in kTickRateRange; default 70.
    double tickRate() const;
    void setTickRate(double rate);
    // Key PauseMultiplier: in kPauseMultiplierRange; default 1.
    double pauseMultiplier() const;
    void setPauseMultiplier(double multiplier);
    TimingSettings timing() const { return {tickRate(), pauseMultiplier()}; }

    // Key Speed: kMinSpeed to kMaxSpeed times real time; default 1.
    double speed() const;
    void setSpeed(double speed);
    // Key Loop: 1 or 0; default 0.
    bool loop() const;
    void setLoop(bool loop);
    // Key Zoom: whole factors kMinZoom to kMaxZoom; default 2.
    int zoom() const;
    void setZoom(int zoom);
    // Key Aspect: 1 shows 320 x 200 as 4:3 (rows stretched to 240), 0 square pixels; default 0.
    bool aspect43() const;
    void setAspect43(bool aspect43);

    // Key SoundFolder: the folder of the game's sound files, "" (the default) for none.
    std::string soundFolder() const;
    void setSoundFolder(const std::string &folder);
    // Key SoundPattern: the file name of sound n, as accepted by formatSoundName; "" (the default)
    // for none. A stored pattern that formatSoundName refuses reads as "".
    std::string soundPattern() const;
    void setSoundPattern(const std::string &pattern);

    // Setters clamp into these ranges, so a value that is written always reads back.
    static double clampSpeed(double speed);
    static int clampZoom(int zoom);

private:
    double readNumber(const char *key, double fallback, double low, double high,
                      bool lowIncluded) const;
    void writeNumber(const char *key, double value);

    clsINI &m_store;
};

} // namespace tessa
