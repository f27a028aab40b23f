-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Reverses the order of the images on lines FROM to TO: the first of them shows the last one's
-- picture and so on. Fades, pauses and sounds stay where they are.
--   tessanim run reverse-images.lua IN OUT FROM TO
-- In the editor (Tools > Scripts): the open animation, from the selected line to a line asked
-- for.
local input, output, from, to = ...
local anim = tessa.document
if anim then
    from = tessa.ask("Reverse the images from line:", tostring(tessa.selected or 1))
    to = from and tessa.ask("To line:", tostring(anim:count() - 1))
    if not to then return end -- cancelled
end
local typedFrom, typedTo = from, to
from, to = math.tointeger(tonumber(from)), math.tointeger(tonumber(to))
if anim and not (from and to) then
    error(string.format("%q is not a line number", from and typedTo or typedFrom), 0)
end
if not (from and to and (anim or (input and output))) then
    error("usage: tessanim run reverse-images.lua IN OUT FROM TO (lines, from 1)", 0)
end

anim = anim or tessa.open(input)
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
if not tessa.document then anim:save(output) end
