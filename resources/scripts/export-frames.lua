-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Writes every image of an animation into a folder, named as File > Export names them
-- (EANIM.QLM's line 3: EANIM-QLM-3.bmp), as BMP or (with the image libraries) PNG files.
-- The folder must exist.
--   tessanim run export-frames.lua IN FOLDER [PALETTE] [bmp|png]
-- In the editor (Tools > Scripts): the open animation (saved once, for its name), the folder
-- asked for, in the main palette as BMP files.
local input, folder, palette, format = ...
local anim = tessa.document
if anim then
    input = anim:path()
    if not input then error("save the animation first: its frames are named after it", 0) end
    folder = tessa.ask("Write the frames into which folder?", (input:gsub("[^/\\]+$", "")))
    if not folder then return end -- cancelled
end
if not (input and folder) then
    error("usage: tessanim run export-frames.lua IN FOLDER [main|extra|PALETTE-FILE] [bmp|png]", 0)
end
palette = tessa.palette(palette or "main")
local extension = "." .. (format or "bmp")

anim = anim or tessa.open(input)
local written = 0
for line = 1, anim:count() do
    local kind, frame = anim:item(line)
    if kind == "image" then
        frame:save(folder .. "/" .. tessa.exportName(input, line, extension), palette)
        written = written + 1
    end
end
tessa.message(("%d frames written into %s."):format(written, folder))
