// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace tessa {

// Where the program's windows go on the screen. The rules are plain geometry in the screen's
// logical pixels (fitInside, placeBeside), so that they can be tested without a screen; the rest
// applies them to a window, whose frame the window system adds around what the program draws.

// A window frame of `wanted` geometry that fits `available` (the screen without its panels): no
// larger than it, and moved, not cut, where it would stick out.
QRect fitInside(const QRect &wanted, const QRect &available);

// Where a window frame of `size` goes beside `anchor`, the frame of the window it belongs to,
// `gap` pixels away: right of it where it fits whole, else left of it, else below it. Where none
// of these has the room, it goes where it covers the least of the anchor, slid inside
// `available`. It never covers `keepClear` (the anchor's title and menu bar) while there is room
// below that, and it is made smaller where it is larger than `available`.
QRect placeBeside(const QSize &size, const QRect &anchor, const QRect &keepClear,
                  const QRect &available, int gap);

// What the window system adds around `window`: its own frame once it has one, else the frame of
// the window it belongs to, else (nothing shown yet) an ordinary title bar and border.
QMargins frameMarginsOf(const QWidget &window);

// The screen's available area (without panels) where `window` is shown or is to be shown.
QRect availableAreaFor(const QWidget &window);

// The largest size the window's contents may take so that its frame fits the available area.
QSize roomFor(const QWidget &window);

// Has the layouts in `window` measure again. A layout within a widget of its own (in a scroll
// area) keeps what it measured until that widget is laid out, which a hidden window's is not.
void refreshLayouts(QWidget &window);

// Whether the whole window, at the size its layout asks for as the style shows it, fits the room
// its screen has (true where the screen is not known).
bool wholeWindowFitsTheScreen(QWidget &window);

// The size for `window`'s contents at `wantedWidth` (its size hint's width where 0), no wider
// than its screen allows, with the height its layout needs at that width, no taller than the
// screen allows either; never below the window's minimum size.
QSize sizeThatFits(QWidget &window, int wantedWidth = 0);

// Resizes `window` to sizeThatFits and, when it is already shown, moves it to lie within the
// available area.
void fitToScreen(QWidget &window, int wantedWidth = 0);

// Moves `window` so that the corner of its frame is at `corner`.
void moveFrameTo(QWidget &window, const QPoint &corner);

// Moves a shown window, or one whose position was set, to lie within the available area.
void keepOnScreen(QWidget &window);

// Has `window` kept on the screen each time it is shown, after a dialog has centred itself on
// the window it belongs to (which may stick out on a scaled screen, in rounded pixels).
void keepOnScreenWhenShown(QWidget &window);

} // namespace tessa
