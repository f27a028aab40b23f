-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- The same change to every animation of a folder: index A becomes index B in every image of
-- every .QLM file. Each file is saved in place, its previous version kept as .bak.
--   tessanim run recolour-folder.lua FOLDER A B
-- In the editor (Tools > Scripts): the folder and the indices asked for; the open animation is
-- not touched (if it is in the folder, File > Revert shows the file as changed).
local folder, a, b = ...
if tessa.document then
    folder = tessa.ask("Recolour every animation of which folder?")
    a = folder and tessa.ask("Palette index to change (0 to 255):", "228")
    b = a and tessa.ask("Into index:", "73")
    if not b then return end -- cancelled
end
local typedA, typedB = a, b
a, b = math.tointeger(tonumber(a)), math.tointeger(tonumber(b))
if tessa.document and not (a and b and a >= 0 and a <= 255 and b >= 0 and b <= 255) then
    local wrong = (a and a >= 0 and a <= 255) and typedB or typedA
    error(string.format("%q is not a palette index from 0 to 255", wrong), 0)
end
if not (folder and a and b) then
    error("usage: tessanim run recolour-folder.lua FOLDER A B (A and B: indices 0 to 255)", 0)
end

local changed = 0
for _, name in ipairs(tessa.files(folder)) do
    if name:upper():match("%.QLM$") then
        local anim = tessa.open(folder .. "/" .. name)
        for line = 1, anim:count() do
            local kind, frame = anim:item(line)
            if kind == "image" then
                frame:replace({[a] = b})
            end
        end
        anim:save()
        changed = changed + 1
    end
end
tessa.message(("%d animations changed."):format(changed))
