-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- The pixels of a frame: one at a time, rectangles, whole frames, and every coordinate checked.
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")

local frame = tessa.frame(3)
check.equal(#frame:bytes(), 64000, "a frame's bytes")
check.equal(frame:get(319, 199), 3, "filled")
frame:set(319, 199, 255)
frame:set(0, 0, 0)
check.equal(frame:get(319, 199), 255, "the last pixel")
-- Pixel (x, y) is byte y * 320 + x + 1 of the string.
frame:set(10, 2, 77)
check.equal(frame:bytes():byte(2 * 320 + 10 + 1), 77, "the byte of (10, 2)")
check.equal(frame:bytes():byte(64000), 255, "the last byte")

-- Every coordinate and index is checked, and nothing is changed by a refusal.
local before = frame:bytes()
check.fails("x must be 0 to 319, not 320", function() frame:get(320, 0) end)
check.fails("x must be 0 to 319, not %-1", function() frame:set(-1, 0, 1) end)
check.fails("y must be 0 to 199, not 200", function() frame:set(0, 200, 1) end)
check.fails("index must be 0 to 255, not 256", function() frame:set(0, 0, 256) end)
check.fails("a whole number expected, got string", function() frame:set(0, 0, "1") end)
check.fails("a whole number expected, got a fraction", function() frame:get(0.5, 0) end)
check.fails("width must be 0 to 20, not 21", function() frame:fill(300, 0, 21, 1, 5) end)
check.fails("height must be 0 to 1, not 2", function() frame:fill(0, 199, 1, 2, 5) end)
check.fails("the new index of 4 must be", function() frame:replace({[4] = 300}) end)
check.fails("every key must be an index", function() frame:replace({[4] = 1, [999] = 2}) end)
check.fails("every key must be an index", function() frame:replace({x = 1}) end)
check.fails("a table of index = new index expected", function() frame:replace(5) end)
check.fails("a string of 64000 bytes expected, got 3 bytes", function() frame:setBytes("abc") end)
check.fails("frame expected, got animation", function() frame:copy(tessa.new()) end)
local small = tessa.frame()
check.fails("toX must be 0 to 310, not 311", function() frame:copy(small, 0, 0, 10, 10, 311, 0) end)
check.equal(frame:bytes() == before, true, "the frame after refused calls")

-- Rectangles.
local canvas = tessa.frame(0)
canvas:fill(10, 20, 3, 2, 9)
local counts = canvas:counts()
check.equal(counts[9], 6, "filled pixels")
check.equal(counts[0], 64000 - 6, "the rest")
check.equal(canvas:get(12, 21), 9, "inside the rectangle")
check.equal(canvas:get(13, 21), 0, "right of it")
check.equal(canvas:get(12, 22), 0, "below it")
canvas:fill(7)
check.equal(canvas:counts()[7], 64000, "a whole frame filled")

-- Replacing through a table: a swap, in one pass.
local swap = tessa.frame(1)
swap:fill(0, 0, 320, 100, 2)
swap:replace({[1] = 2, [2] = 1})
check.equal(swap:get(0, 0), 1, "top half swapped")
check.equal(swap:get(0, 199), 2, "bottom half swapped")
check.equal(swap:counts()[1], 32000, "as many as before")
-- Many indices at once (a table lookup rather than a few compares), the unmapped ones kept.
local ramp = tessa.frame(string.rep(string.char(0, 1, 2, 3, 4, 5, 6, 7), 8000))
ramp:replace({[0] = 10, [1] = 11, [2] = 12, [3] = 13, [4] = 14, [6] = 16})
check.equal(ramp:bytes():sub(1, 8), string.char(10, 11, 12, 13, 14, 5, 16, 7), "a ramp replaced")
check.equal(ramp:counts()[16], 8000, "every 6 replaced")

-- Copies, whole and in part, overlapping ones included.
local source = tessa.frame(0)
source:fill(0, 0, 2, 2, 5)
local target = tessa.frame(1)
target:copy(source, 0, 0, 4, 4, 100, 50)
check.equal(target:get(101, 51), 5, "a copied pixel")
check.equal(target:get(102, 52), 0, "copied background")
check.equal(target:get(99, 50), 1, "left of the copy")
target:copy(target, 100, 50, 4, 4, 101, 50)
check.equal(target:get(102, 51), 5, "an overlapping copy")
target:copy(source)
check.equal(target == source, true, "a whole copy")

-- Bytes in and out, and frames of animations.
local bytes = string.rep("\1\2", 32000)
local anim = tessa.new()
anim:insert(1, "image", bytes)
check.equal(anim:frame(1):get(1, 0), 2, "an image from bytes")
anim:setFrame(1, swap)
check.equal(anim:frame(1) == swap, true, "setFrame")
swap:set(0, 0, 200)
check.equal(anim:frame(1):get(0, 0), 1, "setFrame copies")
local clone = anim:frame(1):clone()
clone:set(0, 0, 100)
check.equal(anim:frame(1):get(0, 0), 1, "a clone is a copy")
check.fails("line 2 is not an image", function() anim:setFrame(2, swap) end)
check.fails("must hold 64000 bytes, not 3", function() anim:setFrame(1, "abc") end)
