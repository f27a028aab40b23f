// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeline.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

constexpr double kDefaultTickRate = 70.0;
// No pause is longer than this many ticks (about 400 years at 70 Hz), so that a huge multiplier
// cannot overflow the sum of all of them.
constexpr double kLongestPause = 1e12;

double usableTickRate(double rate)
{
    return std::isfinite(rate) && rate > 0.0 ? rate : kDefaultTickRate;
}

Tick pauseTicks(const AnimItem &item, double multiplier)
{
    if (!std::isfinite(multiplier) || multiplier < 0.0)
        multiplier = 1.0;
    const std::int32_t amount = payloadValue(item);
    if (amount <= 0)
        return 0;
    return static_cast<Tick>(std::llround(std::min(amount * multiplier, kLongestPause)));
}

// Collects the screen changes, one step per tick at most and none that changes nothing.
class StepRecorder
{
public:
    explicit StepRecorder(std::vector<ScreenStep> &steps)
        : m_steps(steps)
    {
    }

    void show(Tick tick, ScreenState screen)
    {
        if (!m_steps.empty() && m_steps.back().tick == tick) {
            // Several changes in one tick: only the last one is ever seen.
            m_steps.pop_back();
        }
        if (!m_steps.empty() && m_steps.back().screen == screen)
            return;
        m_steps.push_back({tick, screen});
    }

private:
    std::vector<ScreenStep> &m_steps;
};

} // namespace

Tick itemTicks(const AnimItem &item, const TimingSettings &settings)
{
    if (item.Code == kCodePause)
        return pauseTicks(item, settings.pauseMultiplier);
    if (item.Code == kCodeFadeIn || item.Code == kCodeFadeOut)
        return kFadeSteps;
    return 0;
}

Tick Timeline::tickAt(double secondsFromStart) const
{
    if (!(secondsFromStart > 0.0))
        return 0;
    // The tolerance keeps tickAt(seconds(n)) at n despite the rounding of the division.
    return static_cast<Tick>(std::floor(secondsFromStart * m_tickRate + 1e-6));
}

ScreenState Timeline::screenAt(Tick tick) const
{
    const auto after =
            std::upper_bound(m_steps.begin(), m_steps.end(), tick,
                             [](Tick t, const ScreenStep &step) { return t < step.tick; });
    return after == m_steps.begin() ? m_steps.front().screen : std::prev(after)->screen;
}

std::optional<Tick> Timeline::startTick(int line) const
{
    if (line < m_firstLine || line > lastLine())
        return std::nullopt;
    return m_lineStarts[static_cast<std::size_t>(line - m_firstLine)];
}

int Timeline::lineAt(Tick tick) const
{
    if (m_lineStarts.empty())
        return -1;
    const auto after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), tick);
    if (after == m_lineStarts.begin())
        return m_firstLine;
    return m_firstLine + static_cast<int>(std::prev(after) - m_lineStarts.begin());
}

Timeline buildTimeline(const ItemList &items, const TimingSettings &settings, int fromLine,
                       int toLine)
{
    Timeline timeline;
    timeline.m_tickRate = usableTickRate(settings.tickRate);

    const int count = static_cast<int>(items.size());
    fromLine = std::clamp(fromLine, 0, count);
    const int last = toLine < 0 || toLine >= count ? count - 1 : toLine;
    timeline.m_firstLine = fromLine;

    // The state the earlier lines leave behind.
    ScreenState screen;
    for (int line = 0; line < fromLine; ++line) {
        const AnimItem &item = items[static_cast<std::size_t>(line)];
        if (item.isImage())
            screen.image = line;
        else if (item.Code == kCodeFadeIn)
            screen.fadeLevel = kFullFadeLevel;
        else if (item.Code == kCodeFadeOut)
            screen.fadeLevel = 0;
    }

    timeline.m_steps.clear();
    StepRecorder steps(timeline.m_steps);
    steps.show(0, screen);

    Tick now = 0;
    for (int line = fromLine; line <= last; ++line) {
        const AnimItem &item = items[static_cast<std::size_t>(line)];
        timeline.m_lineStarts.push_back(now);
        if (item.Code == kCodeEnd)
            break;
        if (item.isImage()) {
            screen.image = line;
            steps.show(now, screen);
        } else if (item.Code == kCodeFadeIn || item.Code == kCodeFadeOut) {
            const bool in = item.Code == kCodeFadeIn;
            for (int step = 1; step <= kFadeSteps; ++step) {
                screen.fadeLevel = in ? step : kFullFadeLevel - step;
                steps.show(now + step - 1, screen);
            }
            now += kFadeSteps;
        } else if (item.Code == kCodePause) {
            now += pauseTicks(item, settings.pauseMultiplier);
        } else if (item.Code == kCodeSound) {
            timeline.m_soundCues.push_back({now, payloadValue(item), line});
        }
    }
    timeline.m_duration = now;
    return timeline;
}

PaletteColors fadedPalette(const PaletteColors &colors, int level)
{
    level = std::clamp(level, 0, kFullFadeLevel);
    const auto fade = [level](std::uint8_t component) {
        return static_cast<std::uint8_t>((component / 4) * level / kFullFadeLevel * 4);
    };
    PaletteColors faded{};
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const std::uint32_t c = colors[i];
        faded[i] = colorFromRgb(fade(redOf(c)), fade(greenOf(c)), fade(blueOf(c)));
    }
    return faded;
}

} // namespace tessa
