// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "movieencoder.h"

#include <cmath>

namespace tessa {

std::optional<Notice> checkEncodeOptions(const EncodeOptions &options)
{
    const TimingSettings &timing = options.timing;
    if (!std::isfinite(timing.tickRate) || timing.tickRate <= 0)
        return Notice::info("The tick rate must be a number above 0.");
    if (!std::isfinite(timing.pauseMultiplier) || timing.pauseMultiplier <= 0)
        return Notice::info("The pause multiplier must be a number above 0: with 0 a pause lasts "
                            "nothing, and a movie could not keep its time.");
    if (options.quality < 0 || options.quality > 100)
        return Notice::info("The quality must be a whole number from 0 to 100.");
    return std::nullopt;
}

MovieEncoder::MovieEncoder(const PaletteColors &palette, const EncodeOptions &options)
    : m_mapper(palette, options.quality)
    , m_clock(options.timing)
{
}

void MovieEncoder::addFrame(std::span<const std::uint32_t> rgb, double seconds)
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
    if (m_mapper.map(rgb, seconds) == 0 && !first)
        return; // nothing visible changed: its time goes into the pause before
    m_clock.pauseUntil(tick, m_items);
    m_items.push_back(makeImageItem(PixelBuffer(m_mapper.shown())));
}

ItemList MovieEncoder::finish(double endSeconds)
{
    const Tick end = m_clock.tickAt(endSeconds);
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
