// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "imaging/palette.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessa {

// Time in the game's ticks. Everything in a timeline happens on whole ticks.
using Tick = std::int64_t;

// A fade runs kFadeSteps steps of one tick each; the fade level goes from 0 (black) to
// kFullFadeLevel (the palette exactly as it is).
inline constexpr int kFadeSteps = 30;
inline constexpr int kFullFadeLevel = 30;

// Ticks per second offered to the user: the VGA mode 13h refresh, a 60 Hz display, the PC timer's
// default tick (1193182 / 65536 Hz), and two coarse ones for engines that count in tenths or in
// seconds.
inline constexpr std::array<double, 5> kTickRatePresets = {70.0, 60.0, 18.2065, 10.0, 1.0};

struct TimingSettings
{
    double tickRate = 70.0;       // ticks per second; not finite or <= 0 counts as 70
    double pauseMultiplier = 1.0; // ticks per pause unit; not finite or < 0 counts as 1
};

// What the screen shows: the frame of item `image` (-1: no image yet, a black screen) with the
// palette at `fadeLevel`.
struct ScreenState
{
    int image = -1;
    int fadeLevel = kFullFadeLevel;

    bool operator==(const ScreenState &) const = default;
};

// From `tick` on (until the next step) the screen shows `screen`.
struct ScreenStep
{
    Tick tick = 0;
    ScreenState screen;

    bool operator==(const ScreenStep &) const = default;
};

// A "Play sound" item: sound `number` starts at `tick`; `line` is the item's index.
struct SoundCue
{
    Tick tick = 0;
    std::int32_t number = 0;
    int line = 0;

    bool operator==(const SoundCue &) const = default;
};

// The animation as the game plays it: what is on screen at every tick, where each played line
// starts, and the sound cues. Made by buildTimeline; immutable afterwards.
class Timeline
{
public:
    Timeline() = default;

    // Ticks from the start to the end of the last played item (an End item or the last line).
    Tick durationTicks() const { return m_duration; }
    double tickRate() const { return m_tickRate; }
    double seconds(Tick ticks) const { return static_cast<double>(ticks) / m_tickRate; }
    // The tick under way at `seconds` after the start (rounded down; negative gives 0).
    // tickAt(seconds(n)) is n.
    Tick tickAt(double seconds) const;

    // The screen during `tick`; before 0 as at 0, from the end on as at the end.
    ScreenState screenAt(Tick tick) const;
    // Every tick at which the screen changes, in order; the first is always tick 0.
    const std::vector<ScreenStep> &steps() const { return m_steps; }

    // The played lines: firstLine() to lastLine(), both included; lastLine() < firstLine() when
    // nothing is played.
    int firstLine() const { return m_firstLine; }
    int lastLine() const { return m_firstLine + static_cast<int>(m_lineStarts.size()) - 1; }
    // The tick at which the item of `line` starts; nothing for a line that is not played.
    std::optional<Tick> startTick(int line) const;
    // The line under way at `tick`: the last played line that starts at or before it (lines that
    // take no time and share a start give way to the last of them). -1 when nothing is played.
    int lineAt(Tick tick) const;

    const std::vector<SoundCue> &soundCues() const { return m_soundCues; }

private:
    friend Timeline buildTimeline(const ItemList &, const TimingSettings &, int, int);

    double m_tickRate = 70.0;
    Tick m_duration = 0;
    int m_firstLine = 0;
    std::vector<Tick> m_lineStarts;
    std::vector<ScreenStep> m_steps = std::vector<ScreenStep>(1); // no image yet from tick 0
    std::vector<SoundCue> m_soundCues;
};

// Plays the items of lines `fromLine` to `toLine` (both included; -1 or past the end: to the last
// line) and returns their timeline.
//
// The rules, as the game plays an animation:
// - An image shows at once and takes no time. A sound cue is an event and takes no time. Codes
//   outside the known set take no time and change nothing.
// - A pause lasts its value (payloadValue) times pauseMultiplier in ticks, rounded to the nearest
//   tick; a negative value lasts nothing.
// - A fade takes kFadeSteps ticks; step k (1 to 30) shows from tick start + k - 1. A fade in shows
//   the levels 1, 2, ... 30, a fade out 29, 28, ... 0, so each ends on its target exactly. A fade
//   always runs in full from its own starting level, whatever the screen showed before: a fade in
//   while the palette is already in full still starts from black, as the game's routine does not
//   look at the screen.
// - Before any fade the palette shows in full. After a fade out the screen stays black, also
//   across new images, until the next fade in.
// - An End item ends the timeline at its start; the lines after it are not played.
// Playing from a later line starts in the state the lines before it leave behind (the last image
// before it, black after a fade out), without their time.
Timeline buildTimeline(const ItemList &items, const TimingSettings &settings, int fromLine = 0,
                       int toLine = -1);

// The ticks an item takes as the game plays it (the rules of buildTimeline): a pause its value
// times the multiplier, a fade kFadeSteps, anything else none.
Tick itemTicks(const AnimItem &item, const TimingSettings &settings);

// The palette at fade `level` (0 to 30, clamped): each component at 6-bit precision scaled by
// level / 30 with the fraction dropped, (c / 4) * level / 30, and shown as that times 4. Level 30
// gives back the palette's own 6-bit colours.
PaletteColors fadedPalette(const PaletteColors &colors, int level);

} // namespace tessa
