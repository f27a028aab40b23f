-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Checks, pixel by pixel with get, that CHANGED is ORIGINAL with indices replaced as MAP says
-- ("3:7,7:3" swaps 3 and 7) in every image, and that nothing else changed.
--   tessanim run checkreplace.lua ORIGINAL CHANGED MAP
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")
local originalPath, changedPath, map = ...
local original, changed = tessa.open(originalPath), tessa.open(changedPath)
local replaced = {}
for from, to in map:gmatch("(%d+):(%d+)") do
    replaced[tonumber(from)] = tonumber(to)
end

check.equal(check.kinds(changed), check.kinds(original), "the items")
local count = 0
for line = 1, original:count() do
    local kind, before = original:item(line)
    if kind == "image" then
        local after = changed:frame(line)
        for y = 0, 199 do
            for x = 0, 319 do
                local index = before:get(x, y)
                local expected = replaced[index] or index
                if after:get(x, y) ~= expected then
                    error(("line %d, pixel (%d, %d): %d, not %d"):format(line, x, y,
                        after:get(x, y), expected))
                end
                if expected ~= index then count = count + 1 end
            end
        end
    end
end
assert(count > 0, "no pixel had an index to replace: the test proves nothing")
