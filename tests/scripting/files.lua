-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Files through scripts, held against tessanim's own commands (whose results the test's set-up
-- wrote into WORK): saving, frames, palettes, images and patches.
--   tessanim run files.lua DEMO WORK
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")
local demo, work = ...

-- The safe save writes what tessanim resave writes (the ctest after this one compares them).
local anim = tessa.open(demo)
check.equal(anim:path(), demo, "the path of an opened animation")
anim:save(work .. "/script-saved.qlm")
check.equal(anim:path(), work .. "/script-saved.qlm", "the path after saving")
check.equal(anim:bytes(), check.contents(work .. "/resaved.qlm"), "the bytes of the animation")
check.fails("needs a path", function() tessa.new():save() end)
check.fails("Could not read", function() tessa.open(work .. "/missing.qlm") end)

-- A frame exported as tessanim frame exports it, in the palette chosen.
anim:frame(5):save(work .. "/script-frame5.bmp", tessa.palette("extra"))
check.equal(check.contents(work .. "/script-frame5.bmp"), check.contents(work .. "/frame5.bmp"),
    "a frame as tessanim frame writes it")
check.fails("line 4 is not an image", function() anim:frame(4):save(work .. "/x.bmp") end)

-- BMP files read back as the frames they were written from.
check.equal(tessa.image(work .. "/unpacked/DEMOANIM-QLM-7.bmp") == anim:frame(7), true,
    "an exported frame read back")
local seventh = work .. "/unpacked/DEMOANIM-QLM-7.bmp"
check.fails("colours must be keep, match or dither", function() tessa.image(seventh, "exact") end)
check.fails("Could not read", function() tessa.image(work .. "/missing.bmp") end)
check.equal(tessa.exportName("C:\\Games\\EANIM.QLM", 3), "EANIM-QLM-3.bmp", "an export name")
check.equal(tessa.exportName(demo, 5, ".png"), "DEMOANIM-QLM-5.png", "an export name as PNG")

-- Palettes: the built-in ones begin with the same grey ramp; colours can be changed.
local main, extra = tessa.palette("main"), tessa.palette("extra")
check.equal(select(1, main:get(1)), 4, "main: red of 1")
check.equal(select(3, extra:get(11)), 84, "extra: blue of 11")
local mine = main:clone()
mine:set(1, 252, 0, 8)
check.equal(table.concat({mine:get(1)}, ","), "252,0,8", "a colour set")
check.equal(table.concat({main:get(1)}, ","), "4,4,4", "the palette it was cloned from")
check.fails("red must be 0 to 255, not 256", function() mine:set(1, 256, 0, 0) end)
check.fails("index must be 0 to 255, not 256", function() main:get(256) end)
check.fails("Could not read", function() tessa.palette(work .. "/missing.pal") end)
check.fails("palette: a string expected, got number", function() anim:frame(1):save("x.bmp", 5) end)

-- The files of a folder, sorted.
local names = tessa.files(work .. "/unpacked")
check.equal(names[1], "DEMOANIM-QLM-1.bmp", "the first file")
check.equal(names[#names], "reversed.txt", "the last file")
check.fails("could not read the folder", function() tessa.files(work .. "/missing") end)
