// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieencoder.h"

#include "fadewatch.h"
#include "settings/numberranges.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace tessa {

namespace {

// How many pictures of a darkening are held back at most (ten seconds at 25 a second, 2.5 MB
// each); a longer one is encoded as it comes.
constexpr std::size_t kMostHeldPictures = 250;
// How much brighter than the one before a picture of a fade may seem, through noise.
constexpr double kBrightnessNoise = 0.015;
// A fade that ends in a movie's last picture seldom reaches black in it: this close is black.
constexpr double kNearlyBlack = 0.06;

} // namespace

std::optional<Notice> checkEncodeOptions(const EncodeOptions &options)
{
    const TimingSettings &timing = options.timing;
    for (const auto &[name, range, value] :
         {std::tuple{"The tick rate", kTickRateRange, timing.tickRate},
          std::tuple{"The pause multiplier", kPauseMultiplierRange, timing.pauseMultiplier},
          std::tuple{"The quality", kQualityRange, double(options.quality)}}) {
        if (const auto refusal = rangeRefusal(name, range, value))
            return Notice::info(*refusal + ".");
    }
    return std::nullopt;
}

MovieEncoder::MovieEncoder(const PaletteColors &palette, const EncodeOptions &options)
    : m_mapper(palette, options.quality)
    , m_clock(options.timing)
{
}

void MovieEncoder::addFrame(std::span<const std::uint32_t> rgb, double seconds)
{
    if (holdAsFading(rgb, seconds))
        return;
    releaseHeld();
    add(rgb, seconds);
}

bool MovieEncoder::holdAsFading(std::span<const std::uint32_t> rgb, double seconds)
{
    if (m_held.empty()) {
        if (m_waiting.empty())
            return false;
        m_fadeReference = m_waiting;
        m_heldBrightness = 1.0;
        m_heldReachedBlack = false;
    }
    if (m_held.size() >= kMostHeldPictures)
        return false;
    // Once black, only black; before, ever darker (a little noise aside), until black.
    // Ever darker (a little noise aside) until black or nearly, and then no brighter.
    const bool black = isBlackPicture(rgb);
    const auto brightness =
            black ? std::optional<double>(0.0) : darkenedBrightness(m_fadeReference, rgb);
    const double ceiling =
            m_heldReachedBlack ? std::min(m_heldBrightness, kNearlyBlack) : m_heldBrightness;
    if (!brightness || *brightness > ceiling + kBrightnessNoise
        || (m_held.empty() && *brightness > 1.0 - kBrightnessNoise))
        return false;
    m_heldBrightness = std::min(m_heldBrightness, *brightness);
    const bool reached = !m_heldReachedBlack && (black || *brightness <= kNearlyBlack);
    m_heldReachedBlack = m_heldReachedBlack || reached;
    m_held.push_back(
            {std::vector<std::uint32_t>(rgb.begin(), rgb.end()), seconds, *brightness, reached});
    return true;
}

void MovieEncoder::releaseHeld()
{
    std::vector<Held> held = std::move(m_held);
    m_held.clear();
    for (const Held &picture : held)
        add(picture.rgb, picture.seconds);
}

bool MovieEncoder::endWithFadeOut(Tick end)
{
    if (!m_heldReachedBlack)
        return false;
    const auto firstBlack =
            std::find_if(m_held.begin(), m_held.end(), [](const Held &held) { return held.black; });
    // When the movie is black: where the darkening, going on as it went, reaches nothing.
    double blackSeconds = firstBlack->seconds;
    if (firstBlack != m_held.begin()) {
        const Held &before = *(firstBlack - 1);
        const double fall = before.brightness - firstBlack->brightness;
        if (fall > 0)
            blackSeconds += firstBlack->brightness / fall * (firstBlack->seconds - before.seconds);
    }
    // The fade's last step, level 0, shows on its last tick: it ends black where the movie does,
    // unless the screen shows a picture of the movie later than that fade would start.
    const Tick fadeStart = std::min(m_clock.tickAt(blackSeconds), end - 1) - (kFadeSteps - 1);
    const Tick start = std::max(fadeStart, m_clock.now());
    if (start + kFadeSteps > end)
        return false; // no room for the whole fade before the movie ends

    // The darkening until then is the movie's own, as the screen would show it anyway.
    std::vector<Held> held = std::move(m_held);
    m_held.clear();
    for (const Held &picture : held) {
        if (m_clock.tickAt(picture.seconds) >= fadeStart)
            break;
        add(picture.rgb, picture.seconds);
    }
    if (m_items.empty() || m_waitingTick < start)
        show(m_waiting, m_waitingSeconds, m_waitingTick);
    m_waiting.clear();
    m_clock.pauseUntil(start, m_items);
    m_items.push_back(makeFadeOutItem());
    m_clock.advance(kFadeSteps);
    return true;
}

void MovieEncoder::add(std::span<const std::uint32_t> rgb, double seconds)
{
    const Tick tick = m_items.empty() && m_waiting.empty() ? 0 : m_clock.tickAt(seconds);
    // The picture waiting is on the screen until this one: if that is no tick at all, the game
    // would never show it.
    if (!m_waiting.empty() && tick > m_waitingTick)
        show(m_waiting, m_waitingSeconds, m_waitingTick);
    m_waiting.assign(rgb.begin(), rgb.end());
    m_waitingSeconds = seconds;
    m_waitingTick = tick;
}

void MovieEncoder::show(std::span<const std::uint32_t> rgb, double seconds, Tick tick)
{
    const bool first = m_items.empty();
    if (m_mapper.map(m_grain.filter(rgb), seconds) == 0 && !first)
        return; // nothing visible changed: its time goes into the pause before
    m_clock.pauseUntil(tick, m_items);
    m_items.push_back(makeImageItem(PixelBuffer(m_mapper.shown())));
}

ItemList MovieEncoder::finish(double endSeconds)
{
    const Tick end = m_clock.tickAt(endSeconds);
    if (!endWithFadeOut(end))
        releaseHeld();
    if (!m_waiting.empty() && (m_items.empty() || end > m_waitingTick))
        show(m_waiting, m_waitingSeconds, m_waitingTick);
    m_waiting.clear();
    m_clock.pauseUntil(end, m_items);
    m_items.push_back(makeEndItem());
    return std::move(m_items);
}

Expected<ItemList, Notice> encodeMovie(const std::vector<MovieFrame> &frames, double endSeconds,
                                       const PaletteColors &palette, const EncodeOptions &options)
{
    if (const auto refusal = checkEncodeOptions(options))
        return Unexpected{*refusal};
    if (frames.empty())
        return Unexpected{Notice::info("The movie holds no pictures.")};
    MovieEncoder encoder(palette, options);
    for (const MovieFrame &frame : frames) {
        if (frame.rgb.size() != std::size_t(kFrameSize))
            return Unexpected{Notice::info("A picture of the movie is not 320 x 200.")};
        encoder.addFrame(frame.rgb, frame.seconds);
    }
    return encoder.finish(endSeconds);
}

} // namespace tessa
