// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timeedits.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

bool isPause(const AnimItem &item)
{
    return item.Code == kCodePause;
}

// The multiplier as the timeline counts it.
double multiplierOf(const TimingSettings &timing)
{
    const double multiplier = timing.pauseMultiplier;
    return std::isfinite(multiplier) && multiplier >= 0 ? multiplier : 1.0;
}

// Whole units of a pause nearest to `ticks`.
std::int64_t unitsFor(Tick ticks, double multiplier)
{
    return std::llround(std::max<double>(double(ticks), 0.0) / multiplier);
}

AnimItem pauseOf(const AnimItem &like, std::int32_t units)
{
    AnimItem pause = like;
    setPayloadValue(pause, std::int16_t(units));
    return pause;
}

// `units` as the fewest pauses that hold it, the longest first.
std::vector<std::int32_t> pauseChunks(std::int64_t units)
{
    std::vector<std::int32_t> chunks;
    for (; units > 0; units -= kLongestPause)
        chunks.push_back(std::int32_t(std::min<std::int64_t>(units, kLongestPause)));
    return chunks;
}

// The longest wait an image is moved by at once, some four minutes at 70 ticks a second.
constexpr std::int64_t kMostWaitUnits = std::int64_t(kLongestPause) * 64;

Tick startOf(const Timeline &timeline, int line)
{
    return timeline.startTick(line).value_or(timeline.durationTicks());
}

} // namespace

TimeHandle timeHandleOf(const ItemList &items, int line)
{
    if (line < 0 || line >= int(items.size()))
        return TimeHandle::None;
    const AnimItem &item = items[std::size_t(line)];
    if (isPause(item))
        return TimeHandle::PauseEnd;
    if (item.Code == kCodeSound)
        return line > 0 ? TimeHandle::Cue : TimeHandle::None;
    if (item.isImage())
        return line > 0 ? TimeHandle::Image : TimeHandle::None;
    return TimeHandle::None;
}

TimeEdit resizePause(const ItemList &items, const TimingSettings &timing, int line, Tick ticks)
{
    TimeEdit result;
    if (timeHandleOf(items, line) != TimeHandle::PauseEnd)
        return result;
    const AnimItem &pause = items[std::size_t(line)];
    const double multiplier = multiplierOf(timing);
    const std::int32_t units = multiplier > 0 ? std::int32_t(std::clamp<std::int64_t>(
                                       unitsFor(ticks, multiplier), kShortestPause, kLongestPause))
                                              : payloadValue(pause);
    result.line = line;
    result.units = units;
    const AnimItem changed = pauseOf(pause, units);
    result.tick = startOf(buildTimeline(items, timing), line) + itemTicks(changed, timing);
    if (units != payloadValue(pause))
        result.edits.push_back({ItemEdit::Kind::Replace, line, 0, changed});
    return result;
}

TimeEdit moveImage(const ItemList &items, const TimingSettings &timing, int line, Tick tick)
{
    TimeEdit result;
    if (timeHandleOf(items, line) != TimeHandle::Image)
        return result;
    const Timeline timeline = buildTimeline(items, timing);
    int first = line; // the run of pauses just before the image: first .. line - 1
    while (first > 1 && isPause(items[std::size_t(first - 1)]))
        --first;
    const Tick runStart = startOf(timeline, first);
    const double multiplier = multiplierOf(timing);
    result.line = line;
    result.tick = startOf(timeline, line);
    if (multiplier == 0) // pauses take no time: no wait moves anything
        return result;
    const std::int64_t units = std::min(unitsFor(tick - runStart, multiplier), kMostWaitUnits);
    const std::vector<std::int32_t> chunks = pauseChunks(units);

    // The run's pauses take the new values, those left over go, and more are put in before the
    // image where the run is too short.
    const int old = line - first;
    const int kept = std::min(old, int(chunks.size()));
    const AnimItem like = old > 0 ? items[std::size_t(first)] : makePauseItem(0);
    for (int i = 0; i < kept; ++i) {
        if (payloadValue(items[std::size_t(first + i)]) != chunks[std::size_t(i)])
            result.edits.push_back(
                    {ItemEdit::Kind::Replace, first + i, 0,
                     pauseOf(items[std::size_t(first + i)], chunks[std::size_t(i)])});
    }
    for (int i = kept; i < old; ++i)
        result.edits.push_back({ItemEdit::Kind::Remove, first + kept, 0, {}});
    for (std::size_t i = std::size_t(kept); i < chunks.size(); ++i)
        result.edits.push_back(
                {ItemEdit::Kind::Insert, first + int(i), 0, pauseOf(like, chunks[i])});

    result.line = first + int(chunks.size());
    result.units = std::int32_t(units);
    Tick wait = 0;
    for (const std::int32_t chunk : chunks)
        wait += itemTicks(pauseOf(like, chunk), timing);
    result.tick = runStart + wait;
    return result;
}

TimeEdit moveCue(const ItemList &items, const TimingSettings &timing, int line, Tick tick)
{
    TimeEdit result;
    if (timeHandleOf(items, line) != TimeHandle::Cue)
        return result;
    // Where everything else is: a cue takes no time, so its going changes no other moment.
    ItemList rest = items;
    rest.erase(rest.begin() + line);
    const Timeline timeline = buildTimeline(rest, timing);
    const int last = int(rest.size()) - 1; // the last line stays last
    tick = std::clamp<Tick>(tick, 0, timeline.durationTicks());

    // Before the first item that takes time from `tick` on, or into the pause `tick` falls in.
    int place = last;
    int split = -1;
    for (int i = 1; i < last; ++i) {
        if (rest[std::size_t(i)].Code == kCodeEnd) {
            place = i; // nothing after it is played
            break;
        }
        const Tick start = startOf(timeline, i);
        const Tick length = itemTicks(rest[std::size_t(i)], timing);
        if (length == 0 || start + length <= tick)
            continue;
        place = i;
        if (start < tick) {
            if (isPause(rest[std::size_t(i)]) && payloadValue(rest[std::size_t(i)]) > 1)
                split = i;
            else if (tick - start > length / 2)
                place = i + 1;
        }
        break;
    }
    place = std::max(place, 1);

    const double multiplier = multiplierOf(timing);
    if (split >= 0 && multiplier > 0) {
        const AnimItem &pause = rest[std::size_t(split)];
        const std::int32_t units = payloadValue(pause);
        const auto before = std::int32_t(std::clamp<std::int64_t>(
                unitsFor(tick - startOf(timeline, split), multiplier), 1, units - 1));
        // The cue keeps its item: moved after the first part of the pause, the rest after it.
        result.edits.push_back({ItemEdit::Kind::Replace, split + (split >= line ? 1 : 0), 0,
                                pauseOf(pause, before)});
        result.edits.push_back({ItemEdit::Kind::Move, line, split + 1, {}});
        result.edits.push_back(
                {ItemEdit::Kind::Insert, split + 2, 0, pauseOf(pause, units - before)});
        result.line = split + 1;
        result.tick = startOf(timeline, split) + itemTicks(pauseOf(pause, before), timing);
        return result;
    }
    result.line = place;
    result.tick = startOf(timeline, place);
    if (place != line)
        result.edits.push_back({ItemEdit::Kind::Move, line, place, {}});
    return result;
}

ItemList timedItems(const ItemList &items)
{
    ItemList timed;
    timed.reserve(items.size());
    for (const AnimItem &item : items)
        timed.push_back({item.Code, item.Number, item.DataSize, item.Data, {}});
    return timed;
}

ItemList applyEdits(ItemList items, const std::vector<ItemEdit> &edits)
{
    for (const ItemEdit &edit : edits) {
        switch (edit.kind) {
        case ItemEdit::Kind::Insert:
            items.insert(items.begin() + edit.line, edit.item);
            break;
        case ItemEdit::Kind::Remove:
            items.erase(items.begin() + edit.line);
            break;
        case ItemEdit::Kind::Replace:
            items[std::size_t(edit.line)] = edit.item;
            break;
        case ItemEdit::Kind::Move: {
            AnimItem item = std::move(items[std::size_t(edit.line)]);
            items.erase(items.begin() + edit.line);
            items.insert(items.begin() + edit.to, std::move(item));
            break;
        }
        }
    }
    return items;
}

} // namespace tessa
