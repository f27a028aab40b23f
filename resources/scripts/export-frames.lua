-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Writes every image of an animation into a folder, named as File > Export names them
-- (EANIM.QLM's line 3: EANIM-QLM-3.bmp), as BMP or (with the image libraries) PNG files.
-- The folder must exist.
--   tessanim run export-frames.lua IN FOLDER [PALETTE] [bmp|png]
local input, folder, palette, format = ...
if not (input and folder) then
    error("usage: tessanim run export-frames.lua IN FOLDER [main|extra|PALETTE-FILE] [bmp|png]", 0)
end
palette = tessa.palette(palette or "main")
local extension = "." .. (format or "bmp")

local anim = tessa.open(input)
for line = 1, anim:count() do
    local kind, frame = anim:item(line)
    if kind == "image" then
        frame:save(folder .. "/" .. tessa.exportName(input, line, extension), palette)
    end
end
