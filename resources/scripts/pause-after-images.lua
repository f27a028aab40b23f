-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Puts a pause of N after every image.
--   tessanim run pause-after-images.lua IN OUT N
-- In the editor (Tools > Scripts): the open animation, N asked for.
local input, output, length = ...
local anim = tessa.document
if anim then
    length = tessa.ask("Pause after every image, of what length (0 to 65535)?", "8")
    if not length then return end -- cancelled
end
local typed = length
length = math.tointeger(tonumber(length))
if anim and not (length and length >= 0 and length <= 65535) then
    error(string.format("%q is not a whole number from 0 to 65535", typed), 0)
end
if not (length and (anim or (input and output))) then
    error("usage: tessanim run pause-after-images.lua IN OUT N (N: 0 to 65535)", 0)
end

anim = anim or tessa.open(input)
-- From the end, so that the lines still to visit keep their numbers. New items go before a
-- line, so the pause after line i goes before line i + 1 (the End is always there).
for line = anim:count() - 1, 1, -1 do
    if anim:item(line) == "image" then
        anim:insert(line + 1, "pause", length)
    end
end
if not tessa.document then anim:save(output) end
