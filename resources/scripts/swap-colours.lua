-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Swaps two palette indices in every image of an animation.
--   tessanim run swap-colours.lua IN OUT A B
local input, output, a, b = ...
a, b = math.tointeger(tonumber(a)), math.tointeger(tonumber(b))
if not (input and output and a and b) then
    error("usage: tessanim run swap-colours.lua IN OUT A B (A and B: indices 0 to 255)", 0)
end

local anim = tessa.open(input)
for line = 1, anim:count() do
    local kind, frame = anim:item(line)
    if kind == "image" then
        frame:replace({[a] = b, [b] = a})
    end
end
anim:save(output)
