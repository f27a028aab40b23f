-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- What scripts do through the image and movie libraries, held against tessanim's own PNG frame
-- and movie of the same animation (written into WORK by the test's set-up).
--   tessanim run media.lua DEMO WORK
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")
local demo, work = ...
local anim = tessa.open(demo)
local extra = tessa.palette("extra")

-- A PNG frame, as tessanim frame --format png writes it, and read back.
anim:frame(7):save(work .. "/script-frame7.png", extra)
check.equal(check.contents(work .. "/script-frame7.png"), check.contents(work .. "/frame7.png"),
    "a PNG frame")
check.equal(tessa.image(work .. "/frame7.png", "keep", extra) == anim:frame(7), true,
    "an indexed PNG in the palette's colours, its indices kept")

-- Matched colours: every pixel gets an index of the same colour.
local matched = tessa.image(work .. "/frame7.png", "match", extra)
local original = anim:frame(7)
for y = 0, 199, 7 do
    for x = 0, 319, 5 do
        local want = table.concat({extra:get(original:get(x, y))}, ",")
        check.equal(table.concat({extra:get(matched:get(x, y))}, ","), want, "a matched colour")
    end
end

-- The movie tessanim render writes.
local warnings = anim:render(work .. "/script.gif")
check.equal(#warnings, 0, "warnings")
check.equal(check.contents(work .. "/script.gif"), check.contents(work .. "/tessanim.gif"), "a GIF")
local tooLarge = {scale = 9}
check.fails("scale must be a whole number from 1 to 8", function() anim:render("x.gif", tooLarge) end)
check.fails("webp", function() anim:render(work .. "/x.webp") end)

-- A movie, as tessanim encode makes it of the same pictures.
local movie = tessa.movie(work .. "/sequence", {fps = 70, quality = 60})
movie:save(work .. "/script-encoded.qlm")
check.equal(check.contents(work .. "/script-encoded.qlm"), check.contents(work .. "/encoded.qlm"),
    "an encoded movie")
local tooGood = {quality = 101}
check.fails("quality must be a whole number", function() tessa.movie(work, tooGood) end)
local tiny, still, instant = {maxBytes = 10}, {tickRate = 0}, {pauseMultiplier = 0}
check.fails("maxBytes must be 0 %(no limit%) or a whole number from 1000", function() tessa.movie(work, tiny) end)
check.fails("tickRate must be from 1 to 1000, not 0", function() tessa.movie(work, still) end)
check.fails("pauseMultiplier must be from 0.1 to 100, not 0", function() anim:render("x.gif", instant) end)
check.fails("no%-such%-movie.mp4", function() tessa.movie(work .. "/no-such-movie.mp4") end)
