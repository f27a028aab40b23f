-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- tessa.sound, held against the sound file tessanim sound made of the same clip (written into
-- WORK/tessanim-sounds by the test's set-up).
--   tessanim run sound.lua CLIP WORK
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")
local clip, work = ...
local place = {sounds = work .. "/script-sounds", pattern = "S%02d.VOC"}

local written = tessa.sound(clip, 3, place)
check.equal(written:match("S03%.VOC$") ~= nil, true, "the file written, named by the pattern")
check.equal(check.contents(written), check.contents(work .. "/tessanim-sounds/S03.VOC"),
    "a sound as tessanim sound writes it")

-- Replaced only when asked, the old one kept.
check.fails("exists already", function() tessa.sound(clip, 3, place) end)
local before = check.contents(written)
tessa.sound(clip, 3, {sounds = place.sounds, pattern = place.pattern, force = true, keepLevel = true})
check.equal(check.contents(written .. ".bak"), before, "the sound replaced, kept as .bak")
check.equal(check.contents(written) ~= before, true, "its level kept this time")

-- Refusals.
check.fails("sound folder and the name of its files are needed", function() tessa.sound(clip, 4) end)
local notABoolean = {sounds = place.sounds, pattern = place.pattern, keepLevel = 1}
check.fails("keepLevel must be true or false", function() tessa.sound(clip, 4, notABoolean) end)
check.fails("sound number must be 0 to 99", function() tessa.sound(clip, 100, place) end)
local backwards = {sounds = place.sounds, pattern = place.pattern, from = 1, to = 0.5}
check.fails("from must be 0 or more, and to after it", function() tessa.sound(clip, 4, backwards) end)
check.fails("is not a sound or movie file", function() tessa.sound(arg[0], 4, place) end)
