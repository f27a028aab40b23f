-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Puts a pause of N after every image.
--   tessanim run pause-after-images.lua IN OUT N
local input, output, length = ...
length = math.tointeger(tonumber(length))
if not (input and output and length) then
    error("usage: tessanim run pause-after-images.lua IN OUT N (N: 0 to 65535)", 0)
end

local anim = tessa.open(input)
-- From the end, so that the lines still to visit keep their numbers. New items go before a
-- line, so the pause after line i goes before line i + 1 (the End is always there).
for line = anim:count() - 1, 1, -1 do
    if anim:item(line) == "image" then
        anim:insert(line + 1, "pause", length)
    end
end
anim:save(output)
