// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "playbacksettings.h"

#include "document/numbertext.h"
#include "document/soundname.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

constexpr const char *kTickRate = "TickRate";
constexpr const char *kPauseMultiplier = "PauseMultiplier";
constexpr const char *kSpeed = "Speed";
constexpr const char *kLoop = "Loop";
constexpr const char *kZoom = "Zoom";
constexpr const char *kAspect = "Aspect";
constexpr const char *kSoundFolder = "SoundFolder";
constexpr const char *kSoundPattern = "SoundPattern";

constexpr double kDefaultSpeed = 1.0;
constexpr int kDefaultZoom = 2;

} // namespace

double PlaybackSettings::readNumber(const char *key, double fallback, double low, double high,
                                    bool lowIncluded) const
{
    const std::optional<double> value = parseNumber(m_store.ReadString(kSection, key));
    if (!value || !std::isfinite(*value) || *value > high)
        return fallback;
    if (lowIncluded ? *value < low : *value <= low)
        return fallback;
    return *value;
}

void PlaybackSettings::writeNumber(const char *key, double value)
{
    m_store.WriteValue(kSection, key, shortestDecimal(value));
}

double PlaybackSettings::tickRate() const
{
    return readNumber(kTickRate, TimingSettings{}.tickRate, kTickRateRange.low, kTickRateRange.high,
                      true);
}

void PlaybackSettings::setTickRate(double rate)
{
    if (!std::isfinite(rate) || rate <= 0.0)
        return;
    writeNumber(kTickRate, std::clamp(rate, kTickRateRange.low, kTickRateRange.high));
}

double PlaybackSettings::pauseMultiplier() const
{
    return readNumber(kPauseMultiplier, TimingSettings{}.pauseMultiplier, kPauseMultiplierRange.low,
                      kPauseMultiplierRange.high, true);
}

void PlaybackSettings::setPauseMultiplier(double multiplier)
{
    if (!std::isfinite(multiplier))
        return;
    writeNumber(kPauseMultiplier,
                std::clamp(multiplier, kPauseMultiplierRange.low, kPauseMultiplierRange.high));
}

double PlaybackSettings::clampSpeed(double speed)
{
    if (!std::isfinite(speed))
        return kDefaultSpeed;
    return std::clamp(speed, kMinSpeed, kMaxSpeed);
}

int PlaybackSettings::clampZoom(int zoom)
{
    return std::clamp(zoom, kMinZoom, kMaxZoom);
}

double PlaybackSettings::speed() const
{
    return readNumber(kSpeed, kDefaultSpeed, kMinSpeed, kMaxSpeed, true);
}

void PlaybackSettings::setSpeed(double speed)
{
    writeNumber(kSpeed, clampSpeed(speed));
}

bool PlaybackSettings::loop() const
{
    return m_store.ReadString(kSection, kLoop) == "1";
}

void PlaybackSettings::setLoop(bool loop)
{
    m_store.WriteValue(kSection, kLoop, loop ? "1" : "0");
}

int PlaybackSettings::zoom() const
{
    const double value = readNumber(kZoom, kDefaultZoom, kMinZoom, kMaxZoom, true);
    return value == std::floor(value) ? static_cast<int>(value) : kDefaultZoom;
}

void PlaybackSettings::setZoom(int zoom)
{
    m_store.WriteValue(kSection, kZoom, std::to_string(clampZoom(zoom)));
}

bool PlaybackSettings::aspect43() const
{
    return m_store.ReadString(kSection, kAspect) == "1";
}

void PlaybackSettings::setAspect43(bool aspect43)
{
    m_store.WriteValue(kSection, kAspect, aspect43 ? "1" : "0");
}

std::string PlaybackSettings::soundFolder() const
{
    return m_store.ReadString(kSection, kSoundFolder);
}

void PlaybackSettings::setSoundFolder(const std::string &folder)
{
    m_store.WriteValue(kSection, kSoundFolder, folder);
}

std::string PlaybackSettings::soundPattern() const
{
    std::string pattern = m_store.ReadString(kSection, kSoundPattern);
    return checkSoundPattern(pattern) ? pattern : std::string();
}

void PlaybackSettings::setSoundPattern(const std::string &pattern)
{
    if (!pattern.empty() && !checkSoundPattern(pattern))
        return;
    m_store.WriteValue(kSection, kSoundPattern, pattern);
}

} // namespace tessa
