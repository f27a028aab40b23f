// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "timeline.h"

#include <cstdint>
#include <vector>

namespace tessa {

// The values a pause holds, as the list's Add Pause and Edit take them.
inline constexpr std::int32_t kShortestPause = 1;
inline constexpr std::int32_t kLongestPause = 255;

// One change of the item list. Lines are those of the list as it stands when the change is
// made, after the changes before it.
struct ItemEdit
{
    enum class Kind { Insert, Remove, Replace, Move };
    Kind kind = Kind::Insert;
    int line = 0;
    int to = 0;      // Move: where the item goes, counted in the list without it
    AnimItem item{}; // Insert, Replace

    bool operator==(const ItemEdit &other) const
    {
        return kind == other.kind && line == other.line && to == other.to
               && sameContent(item, other.item);
    }
};

// What moving something in time does to the list: the changes, in order, made only of what the
// list itself stores (pauses of kShortestPause to kLongestPause, sound cues, as they are), and
// where the thing moved ends up. No changes: it stays as it is.
struct TimeEdit
{
    std::vector<ItemEdit> edits;
    int line = -1; // the line of the item moved, once the changes are made
    Tick tick = 0; // where it ends up: a pause's end, an image's or a cue's start
    // A pause's value; for an image, the units of the wait before it.
    std::int32_t units = 0;
};

// What on a line can be moved in time.
enum class TimeHandle {
    None,
    PauseEnd, // a pause, made longer or shorter
    Image,    // an image after the first, moved by the wait before it
    Cue       // a sound cue, moved among the other items
};
TimeHandle timeHandleOf(const ItemList &items, int line);

// The pause on `line` made to last `ticks` (rounded to whole units of the multiplier, kept
// within kShortestPause to kLongestPause).
TimeEdit resizePause(const ItemList &items, const TimingSettings &timing, int line, Tick ticks);

// The image on `line` made to show at `tick`: the run of pauses just before it becomes the wait
// that takes (as few pauses as hold it, none for no wait); without such a run, one is put in. It
// can go no earlier than where the run starts.
TimeEdit moveImage(const ItemList &items, const TimingSettings &timing, int line, Tick tick);

// The sound cue on `line` made to play at `tick`: it moves to the place in the list where that
// moment is, a pause it falls into split in two there (a fade is not: the cue goes to its start
// or end, whichever is nearer). Never before the first image or after the last line.
TimeEdit moveCue(const ItemList &items, const TimingSettings &timing, int line, Tick tick);

// The items as far as time goes: codes and payloads, without the frames of images, so that a
// list of thousands of images is copied and changed in a moment to see what an edit would do.
ItemList timedItems(const ItemList &items);

// `items` with `edits` made, in order.
ItemList applyEdits(ItemList items, const std::vector<ItemEdit> &edits);

} // namespace tessa
