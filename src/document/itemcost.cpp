// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemcost.h"

#include "animfile.h"
#include "framecodec.h"

#include <algorithm>

namespace tessa {

std::span<const std::uint8_t> storedReference(const ItemList &items, int k,
                                              std::vector<std::uint8_t> &scratch)
{
    const int previous = FindPreviousImage(items, k);
    if (previous >= 0)
        return items[static_cast<std::size_t>(previous)].Pixels;
    scratch.assign(kFrameSize, GetBackgroundColor(items));
    return scratch;
}

ItemCost itemCost(const ItemList &items, int line)
{
    const AnimItem &item = items[static_cast<std::size_t>(line)];
    ItemCost cost;
    if (!item.isImage()) {
        cost.bytes = kItemHeaderSize + item.Data.size();
        return cost;
    }
    std::vector<std::uint8_t> scratch;
    const FrameChanges changes = measureFrame(item.Pixels, storedReference(items, line, scratch));
    cost.changedPixels = changes.pixels;
    cost.runs = changes.runs;
    // The first record carries the background colour before its stream.
    cost.bytes = kItemHeaderSize + (line == 0 ? 1 : 0) + changes.streamSize();
    return cost;
}

std::size_t insertionCost(const ItemList &around, int line, std::span<const AnimItem> inserted)
{
    // Only the image before them and the image after them bear on what they cost.
    ItemList joined;
    const int before = FindPreviousImage(around, line);
    if (before >= 0)
        joined.push_back(around[std::size_t(before)]);
    joined.insert(joined.end(), inserted.begin(), inserted.end());
    int after = line;
    while (after < int(around.size()) && !around[std::size_t(after)].isImage())
        ++after;
    std::int64_t added = 0;
    if (after < int(around.size())) {
        joined.push_back(around[std::size_t(after)]);
        added -= std::int64_t(itemCost(around, after).bytes); // what it cost before
    }
    for (int at = before >= 0 ? 1 : 0; at < int(joined.size()); ++at)
        added += std::int64_t(itemCost(joined, at).bytes);
    // A movie that leads up to the next image may make it cheaper by more than it costs itself.
    return std::size_t(std::max<std::int64_t>(added, 0));
}

void ItemCosts::reset(const ItemList &items)
{
    m_entries.assign(items.size(), Entry{});
}

// An image's cost depends on its own frame and its reference alone, and the first image's also
// on being first (the background byte, the background colour taken from its own frame): a change
// at a line can alter only that line and the next image after it. Other items cost the same
// wherever they stand.

void ItemCosts::inserted(const ItemList &items, int line)
{
    m_entries.insert(m_entries.begin() + line, Entry{});
    forgetImageFrom(items, line + 1);
}

void ItemCosts::removed(const ItemList &items, int line)
{
    m_entries.erase(m_entries.begin() + line);
    forgetImageFrom(items, line);
}

void ItemCosts::replaced(const ItemList &items, int line)
{
    forget(line);
    forgetImageFrom(items, line + 1);
}

void ItemCosts::moved(const ItemList &items, int from, int to)
{
    if (from == to)
        return;
    const Entry entry = m_entries[static_cast<std::size_t>(from)];
    m_entries.erase(m_entries.begin() + from);
    m_entries.insert(m_entries.begin() + to, entry);
    // The moved item has a new reference, and so have the images after its old and its new
    // place.
    forget(to);
    forgetImageFrom(items, to + 1);
    forgetImageFrom(items, from < to ? from : from + 1);
}

const ItemCost &ItemCosts::cost(const ItemList &items, int line)
{
    Entry &entry = m_entries[static_cast<std::size_t>(line)];
    if (!entry.known) {
        entry.cost = itemCost(items, line);
        entry.known = true;
        ++m_computed;
    }
    return entry.cost;
}

std::optional<std::size_t> ItemCosts::fileSize(const ItemList &items)
{
    if (!items.empty() && !items.front().isImage())
        return std::nullopt;
    std::size_t total = 0;
    for (int line = 0; line < static_cast<int>(items.size()); ++line)
        total += cost(items, line).bytes;
    return total;
}

void ItemCosts::forget(int line)
{
    if (line >= 0 && line < static_cast<int>(m_entries.size()))
        m_entries[static_cast<std::size_t>(line)].known = false;
}

void ItemCosts::forgetImageFrom(const ItemList &items, int line)
{
    const int count = static_cast<int>(items.size());
    for (int k = std::max(line, 0); k < count; ++k) {
        if (items[static_cast<std::size_t>(k)].isImage()) {
            forget(k);
            return;
        }
    }
}

} // namespace tessa
