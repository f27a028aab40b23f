// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemrules.h"

#include <algorithm>

namespace tessa {

namespace {

int countOf(const ItemList &items)
{
    return static_cast<int>(items.size());
}

// Whether the nearest fade above `line` is a fade in.
bool fadedInAbove(const ItemList &items, int line)
{
    for (int i = line - 1; i >= 0; --i) {
        const std::string &code = items[static_cast<std::size_t>(i)].Code;
        if (code == kCodeFadeIn || code == kCodeFadeOut)
            return code == kCodeFadeIn;
    }
    return false;
}

} // namespace

OfferedCommands offeredAt(const ItemList &items, int line)
{
    OfferedCommands offered;
    const int count = countOf(items);
    if (line < 0 || line >= count)
        return offered;
    const AnimItem &item = items[static_cast<std::size_t>(line)];
    if (line == 0) {
        offered.add[0] = true;
        offered.edit = true;
    } else {
        const bool fadedIn = fadedInAbove(items, line);
        offered.add = {true, !fadedIn, fadedIn, true, true};
        offered.edit = item.isImage() || item.Code == kCodePause || item.Code == kCodeSound;
        offered.remove = line < count - 1;
    }
    offered.moveUp = canMove(items, line, line - 1);
    offered.moveDown = canMove(items, line, line + 1);
    offered.duplicate = line < count - 1 && canInsertAt(items, line, item.Code);
    return offered;
}

bool canInsertAt(const ItemList &items, int line, std::string_view code)
{
    if (line < 0 || line >= countOf(items))
        return false;
    if (line == 0)
        return code == kCodeImage;
    if (code == kCodeFadeIn)
        return !fadedInAbove(items, line);
    if (code == kCodeFadeOut)
        return fadedInAbove(items, line);
    return true;
}

bool canMove(const ItemList &items, int from, int to)
{
    const int count = countOf(items);
    const int last = count - 1;
    if (from < 0 || to < 0 || from >= last || to >= last || from == to)
        return false;
    // Whatever ends up first must be an image: the moved item, or the one that follows line 0
    // up when line 0 itself moves away.
    if (to == 0)
        return items[static_cast<std::size_t>(from)].isImage();
    if (from == 0)
        return items[1].isImage();
    return true;
}

int moveTarget(int from, int before)
{
    return before > from ? before - 1 : before;
}

namespace {

constexpr const char *kFirstStaysAnImage = "An animation begins with an image: ";
constexpr const char *kLastStaysLast = "The last line stays last: the game stops there.";

} // namespace

std::string deleteRefusal(const ItemList &items, int line)
{
    const int count = countOf(items);
    if (line < 0 || line >= count || offeredAt(items, line).remove)
        return {};
    if (line == 0)
        return std::string(kFirstStaysAnImage) + "the first image cannot be deleted.";
    return kLastStaysLast;
}

std::string moveRefusal(const ItemList &items, int from, int to)
{
    const int count = countOf(items);
    if (from < 0 || to < 0 || from >= count || to >= count || from == to
        || canMove(items, from, to))
        return {};
    const int last = count - 1;
    if (from == last || to == last)
        return kLastStaysLast;
    if (to == 0)
        return std::string(kFirstStaysAnImage) + "only an image can go first.";
    return std::string(kFirstStaysAnImage) + "the line after the first image is not one.";
}

std::optional<int> fadedOutBefore(const ItemList &items, int line)
{
    for (int before = std::min(line, int(items.size())) - 1; before >= 0; --before) {
        const std::string &code = items[std::size_t(before)].Code;
        if (code == kCodeFadeIn)
            return std::nullopt;
        if (code == kCodeFadeOut)
            return before;
    }
    return std::nullopt;
}

} // namespace tessa
