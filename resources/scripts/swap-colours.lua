-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Swaps two palette indices in every image of an animation.
--   tessanim run swap-colours.lua IN OUT A B
-- In the editor (Tools > Scripts): the open animation, the two indices asked for.
local input, output, a, b = ...
local anim = tessa.document
if anim then
    a = tessa.ask("Swap which palette index (0 to 255)?", "73")
    b = a and tessa.ask("With which index?", "228")
    if not b then return end -- cancelled
end
local typedA, typedB = a, b
a, b = math.tointeger(tonumber(a)), math.tointeger(tonumber(b))
if tessa.document and not (a and b and a >= 0 and a <= 255 and b >= 0 and b <= 255) then
    local wrong = (a and a >= 0 and a <= 255) and typedB or typedA
    error(string.format("%q is not a palette index from 0 to 255", wrong), 0)
end
if not (a and b and (anim or (input and output))) then
    error("usage: tessanim run swap-colours.lua IN OUT A B (A and B: indices 0 to 255)", 0)
end

anim = anim or tessa.open(input)
for line = 1, anim:count() do
    local kind, frame = anim:item(line)
    if kind == "image" then
        frame:replace({[a] = b, [b] = a})
    end
end
if not tessa.document then anim:save(output) end
