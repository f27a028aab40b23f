-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Reverses the order of the images on lines FROM to TO: the first of them shows the last one's
-- picture and so on. Fades, pauses and sounds stay where they are.
--   tessanim run reverse-images.lua IN OUT FROM TO
local input, output, from, to = ...
from, to = math.tointeger(tonumber(from)), math.tointeger(tonumber(to))
if not (input and output and from and to) then
    error("usage: tessanim run reverse-images.lua IN OUT FROM TO (lines, from 1)", 0)
end

local anim = tessa.open(input)
local lines, frames = {}, {}
for line = from, to do
    local kind, frame = anim:item(line)
    if kind == "image" then
        lines[#lines + 1] = line
        frames[#frames + 1] = frame:clone()
    end
end
for i, line in ipairs(lines) do
    anim:setFrame(line, frames[#frames + 1 - i])
end
anim:save(output)
