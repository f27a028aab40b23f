// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animitem.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessa {

// What may be done at a list line, so that every document keeps its shape: line 0 is an image,
// and the last line (the End of a document made in the editor) stays last. New items go before
// the selected line.
struct OfferedCommands
{
    // Add Image, Add Fade In, Add Fade Out, Add Pause, Add Sound.
    std::array<bool, 5> add{};
    bool edit = false;
    bool remove = false;
    bool moveUp = false;
    bool moveDown = false;
    bool duplicate = false;

    bool operator==(const OfferedCommands &) const = default;
};

// The line of the Fade Out that leaves the screen black where an item put in before `line` shows
// (no Fade In between them), or nothing where the screen shows its pictures there.
std::optional<int> fadedOutBefore(const ItemList &items, int line);

// The commands offered with `line` selected; nothing with no line (-1) or a line past the end.
//
// - Line 0 offers only Add Image and Edit: only an image may stand first, and it is never
//   deleted. Later lines offer Add Image, Pause and Sound, and the fade that may come next:
//   the nearest fade above the line decides, so fades alternate, starting with a fade in.
// - Edit: line 0, and later images, pauses and sounds. Delete: lines 1 to count - 2.
// - Move Up and Move Down swap the line with its neighbour. Neither touches the last line, and
//   neither may bring anything but an image to line 0.
// - Duplicate puts a copy before the line (so the selection stays on the original) where that
//   kind of item could be added, never on the last line.
OfferedCommands offeredAt(const ItemList &items, int line);

// Whether an item of `code` may be inserted before `line` (Paste), by the rules of Add: only an
// image at line 0, a fade only where a fade of that kind is offered. Other codes (an item copied
// from a file with an unknown code) may go anywhere after line 0.
bool canInsertAt(const ItemList &items, int line, std::string_view code);

// Whether the item at `from` may move so that it ends up at `to` (both lines of `items` as they
// are before the move; dragging a line onto itself is no move). The last line never moves and
// nothing moves past it, and line 0 stays an image.
bool canMove(const ItemList &items, int from, int to);

// The line an item lands on when dropped in front of `before` (0 to count), dragged from `from`.
int moveTarget(int from, int before);

// Why the item at `line` may not be deleted, or "" when it may (or when there is no such line).
std::string deleteRefusal(const ItemList &items, int line);
// Why the item at `from` may not move to `to`, or "" when it may, or when the move is no move
// at all (a line dropped onto itself, lines that do not exist).
std::string moveRefusal(const ItemList &items, int from, int to);

} // namespace tessa
