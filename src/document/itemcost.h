// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animitem.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessa {

// What a line of an animation takes in the file writeAnimation writes: the figures that tell a
// modder why one frame costs 40 KB and the next a few bytes.
struct ItemCost
{
    std::size_t bytes = 0;         // the whole record: the item header and the payload
    std::size_t changedPixels = 0; // of an image: the pixels stored, those that differ from its
                                   // reference (see storedReference)
    std::size_t runs = 0;          // of an image: the runs those pixels form, one chunk each

    bool operator==(const ItemCost &) const = default;
};

// The frame that image `k` is stored against: the frame of the nearest earlier image, or for the
// first image a frame of the background colour (GetBackgroundColor), made in `scratch`.
std::span<const std::uint8_t> storedReference(const ItemList &items, int k,
                                              std::vector<std::uint8_t> &scratch);

// The cost of line `line` (0 to items.size() - 1) in the file of `items`.
ItemCost itemCost(const ItemList &items, int line);

// How many bytes the file of `around` grows by when `inserted` go in before `line` (1 to
// around.size() - 1, after the first image): what they cost there, the first of them stored
// against the image before them, and what the image after them then costs instead.
std::size_t insertionCost(const ItemList &around, int line, std::span<const AnimItem> inserted);

// The costs of every line of a document, kept from one change to the next. A change recomputes
// only what it can alter: the changed line, and the image after it, whose reference the line may
// be or have been. A document of thousands of frames is scanned whole once, at its first
// question after reset(), and afterwards a frame or two per change.
//
// Every notification takes the items as they are after the change; a question must pass the
// items that the notifications so far describe.
class ItemCosts
{
public:
    // A whole new list: every line is to be computed.
    void reset(const ItemList &items);
    // An item was put in at `line`.
    void inserted(const ItemList &items, int line);
    // The item at `line` was taken out.
    void removed(const ItemList &items, int line);
    // The item at `line` was replaced or changed.
    void replaced(const ItemList &items, int line);
    // The item at `from` now stands at `to`.
    void moved(const ItemList &items, int from, int to);

    const ItemCost &cost(const ItemList &items, int line);
    // The length of the file writeAnimation writes; nothing when it refuses a list that does not
    // begin with an image.
    std::optional<std::size_t> fileSize(const ItemList &items);

    // How many lines have been computed since the start: lets a test see that the cache works.
    std::size_t computedLines() const { return m_computed; }

private:
    struct Entry
    {
        ItemCost cost;
        bool known = false;
    };

    void forget(int line);
    // Forgets the first image at or after `line`, if any.
    void forgetImageFrom(const ItemList &items, int line);

    std::vector<Entry> m_entries;
    std::size_t m_computed = 0;
};

} // namespace tessa
