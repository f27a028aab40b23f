-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- The lines of an animation: kinds and values, and the editor's rules on every change.
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")

local anim = tessa.new()
check.equal(check.kinds(anim), "end", "a new animation")
check.fails("only an image may stand on line 1", function() anim:insert(1, "pause", 5) end)
anim:insert(1, "image", tessa.frame(1))
anim:insert(2, "fadein")
anim:insert(3, "pause", 30)
anim:insert(4, "sound", 65535)
anim:insert(5, "image", tessa.frame(2))
check.equal(check.kinds(anim), "image fadein pause30 sound65535 image end", "after inserting")

-- Fades alternate, starting with a fade in.
check.fails("fades alternate", function() anim:insert(3, "fadein") end)
anim:insert(3, "fadeout")
check.fails("fades alternate", function() anim:insert(4, "fadeout") end)
anim:remove(3)

-- Values and kinds that do not exist.
check.fails("value must be 0 to 65535, not 65536", function() anim:insert(3, "pause", 65536) end)
check.fails("value must be 0 to 65535, not %-1", function() anim:insert(3, "sound", -1) end)
check.fails("kind must be image, fadein", function() anim:insert(3, "Pause", 1) end)
check.fails("must hold 64000 bytes, not 5", function() anim:insert(3, "image", "short") end)
check.fails("frame expected, got no value", function() anim:insert(3, "image") end)
check.fails("line 0 does not exist", function() anim:item(0) end)
check.fails("line 7 does not exist: the animation has 6 lines", function() anim:item(7) end)
check.fails("a whole number expected, got a fraction", function() anim:item(1.5) end)
check.fails("a whole number expected, got string", function() anim:remove("x") end)
check.fails("animation expected, got table", function() anim.count({}) end)
check.fails("line 4 is not an image", function() anim:frame(4) end)
check.equal(check.kinds(anim), "image fadein pause30 sound65535 image end", "after refusals")

-- The first image and the End stay where they are.
check.fails("the first image cannot be deleted", function() anim:remove(1) end)
check.fails("The last line stays last", function() anim:remove(6) end)
check.fails("only an image can go first", function() anim:move(3, 1) end)
check.fails("The last line stays last", function() anim:move(2, 6) end)
check.fails("not duplicated", function() anim:duplicate(6) end)

-- Moves, duplicates and values.
anim:move(5, 1)
check.equal(anim:frame(1):get(0, 0), 2, "the moved image")
anim:move(1, 5)
check.equal(check.kinds(anim), "image fadein pause30 sound65535 image end", "moved back")
anim:move(3, 4)
check.equal(check.kinds(anim), "image fadein sound65535 pause30 image end", "moved down")
anim:duplicate(4)
check.equal(check.kinds(anim), "image fadein sound65535 pause30 pause30 image end", "duplicated")
anim:setValue(4, 8)
check.equal(check.kinds(anim), "image fadein sound65535 pause8 pause30 image end", "new value")
check.fails("only a pause or a sound has a value", function() anim:setValue(2, 3) end)
anim:duplicate(1)
check.equal(anim:count(), 8, "an image duplicated")
check.equal(anim:frame(1) == anim:frame(2), true, "the copy")
anim:frame(2):set(5, 5, 4)
check.equal(anim:frame(1):get(5, 5), 1, "the copy, after a change of the original")
anim:remove(2)

-- A frame taken from a line follows its image when lines move, and says so once it is gone.
local second = anim:frame(6)
anim:move(6, 2)
check.equal(second:get(0, 0), 2, "a frame after its image moved")
second:set(0, 0, 9)
check.equal(anim:frame(2):get(0, 0), 9, "a change through a held frame")
anim:remove(2)
check.fails("no longer in its animation", function() second:get(0, 0) end)

-- The kinds of an animation file, and the timeline.
local timed = tessa.new()
timed:insert(1, "image", tessa.frame())
timed:insert(2, "fadein")
timed:insert(3, "pause", 10)
timed:insert(4, "sound", 3)
timed:insert(5, "fadeout")
local timeline = timed:timeline({tickRate = 70, pauseMultiplier = 2})
check.equal(timeline.ticks, 30 + 20 + 30, "ticks")
check.equal(timeline.starts[3], 30, "the pause starts after the fade")
check.equal(timeline.starts[5], 50, "the fade out starts after the pause")
check.equal(timeline.sounds[1].tick, 50, "the sound's tick")
check.equal(timeline.sounds[1].number, 3, "the sound's number")
check.equal(timeline.sounds[1].line, 4, "the sound's line")
check.equal(timed:timeline({from = 3, to = 3}).ticks, 10, "one pause")
check.fails("from and to must be lines", function() timed:timeline({from = 4, to = 3}) end)
check.fails("a number expected, got string", function() timed:timeline({tickRate = "fast"}) end)
-- The ranges tessanim, manifests and the editor take, named.
local tooFast, tooShort = {tickRate = 1e9}, {pauseMultiplier = 0.001}
check.fails("tickRate must be from 1 to 1000, not 1000000000", function() timed:timeline(tooFast) end)
check.fails("pauseMultiplier must be from 0.1 to 100, not 0.001", function() timed:timeline(tooShort) end)
