// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessa {

// An animation as a script holds it: the items, and beside each an identity that stays with the
// item when others are inserted, removed or moved, so that a frame a script holds keeps showing
// its own image. Every change keeps the editor's rules (itemrules.h) and says why it refuses.
// Lines are 0-based here; the bindings turn the script's 1-based lines into these.
class ScriptAnimation
{
public:
    ScriptAnimation() = default;
    // The items get the identities 1 to n in order, so that whoever made the animation from
    // its own items can tell afterwards which of them each item is (or that it is new: above n).
    explicit ScriptAnimation(ItemList items, std::string path = {});

    const ItemList &items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    const std::string &path() const { return m_path; }
    void setPath(std::string path) { m_path = std::move(path); }

    AnimItem &item(int line) { return m_items[static_cast<std::size_t>(line)]; }
    std::uint64_t idAt(int line) const { return m_ids[static_cast<std::size_t>(line)]; }
    // The line of the item `id`, trying `hint` first; -1 once it is gone.
    int lineOf(std::uint64_t id, int hint) const;

    // Each returns "" when done, or why the rules refuse (and then changes nothing).
    std::string insert(int line, AnimItem item);
    std::string remove(int line);
    std::string move(int from, int to);
    std::string duplicate(int line);
    // A new pause length or sound number for a pause or sound line.
    std::string setValue(int line, std::int16_t value);

    // Every item replaced (a patch applied): frames held of the old items are gone.
    void replaceAll(ItemList items);
    // Every item replaced by what the editor made of them: the item on each line keeps the
    // identity `ids` gives it (so frames held of it stay tied to it), a new one where it is 0.
    void replaceAll(ItemList items, const std::vector<std::uint64_t> &ids);

private:
    std::uint64_t nextId() { return ++m_lastId; }

    ItemList m_items;
    std::vector<std::uint64_t> m_ids;
    std::uint64_t m_lastId = 0;
    std::string m_path;
};

// The editor's new document: a single End item, before which the first image goes.
ItemList newAnimationItems();

} // namespace tessa
