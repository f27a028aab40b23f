// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptanimation.h"

#include "document/itemrules.h"

#include <algorithm>

namespace tessa {

ScriptAnimation::ScriptAnimation(ItemList items, std::string path)
    : m_path(std::move(path))
{
    replaceAll(std::move(items));
}

int ScriptAnimation::lineOf(std::uint64_t id, int hint) const
{
    if (hint >= 0 && hint < count() && m_ids[static_cast<std::size_t>(hint)] == id)
        return hint;
    const auto found = std::find(m_ids.begin(), m_ids.end(), id);
    return found == m_ids.end() ? -1 : static_cast<int>(found - m_ids.begin());
}

std::string ScriptAnimation::insert(int line, AnimItem item)
{
    if (!canInsertAt(m_items, line, item.Code)) {
        if (line == 0)
            return "only an image may stand on line 1";
        if (item.Code == kCodeFadeIn || item.Code == kCodeFadeOut)
            return "fades alternate, starting with a fade in: a " + ItemLabel(item.Code)
                   + " may not go there";
        return "there is no line " + std::to_string(line + 1) + " to insert before";
    }
    m_items.insert(m_items.begin() + line, std::move(item));
    m_ids.insert(m_ids.begin() + line, nextId());
    return {};
}

std::string ScriptAnimation::remove(int line)
{
    if (std::string why = deleteRefusal(m_items, line); !why.empty())
        return why;
    m_items.erase(m_items.begin() + line);
    m_ids.erase(m_ids.begin() + line);
    return {};
}

std::string ScriptAnimation::move(int from, int to)
{
    if (from == to)
        return {};
    if (!canMove(m_items, from, to)) {
        const std::string why = moveRefusal(m_items, from, to);
        return why.empty() ? "there is no such line" : why;
    }
    // Rotating [from, to] keeps the order of everything between.
    if (from < to) {
        std::rotate(m_items.begin() + from, m_items.begin() + from + 1, m_items.begin() + to + 1);
        std::rotate(m_ids.begin() + from, m_ids.begin() + from + 1, m_ids.begin() + to + 1);
    } else {
        std::rotate(m_items.begin() + to, m_items.begin() + from, m_items.begin() + from + 1);
        std::rotate(m_ids.begin() + to, m_ids.begin() + from, m_ids.begin() + from + 1);
    }
    return {};
}

std::string ScriptAnimation::duplicate(int line)
{
    if (!offeredAt(m_items, line).duplicate)
        return line == count() - 1 ? "the last line is not duplicated: the game stops there"
                                   : "a copy of this item may not stand before it";
    return insert(line, m_items[static_cast<std::size_t>(line)]);
}

std::string ScriptAnimation::setValue(int line, std::int16_t value)
{
    AnimItem &target = item(line);
    if (target.Code != kCodePause && target.Code != kCodeSound)
        return "only a pause or a sound has a value";
    setPayloadValue(target, value);
    return {};
}

void ScriptAnimation::replaceAll(ItemList items)
{
    m_items = std::move(items);
    m_ids.resize(m_items.size());
    for (std::uint64_t &id : m_ids)
        id = nextId();
}

void ScriptAnimation::replaceAll(ItemList items, const std::vector<std::uint64_t> &ids)
{
    m_items = std::move(items);
    m_ids.assign(m_items.size(), 0);
    for (std::size_t line = 0; line < m_items.size(); ++line) {
        const std::uint64_t id = line < ids.size() ? ids[line] : 0;
        m_ids[line] = id != 0 ? id : nextId();
    }
}

ItemList newAnimationItems()
{
    ItemList items;
    items.push_back(makeEndItem());
    return items;
}

} // namespace tessa
