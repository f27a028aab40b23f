-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Patches through scripts, held against tessanim diff's patch of the same two files.
--   tessanim run patches.lua ORIGINAL CHANGED TESSANIM-PATCH WORK
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")
local originalPath, changedPath, tessanimPatch, work = ...

local function contents(path)
    local file = assert(io.open(path, "rb"))
    local bytes = file:read("a")
    file:close()
    return bytes
end

-- The same patch from the files, and from the animations opened.
tessa.diff(originalPath, changedPath, work .. "/script.patch")
check.equal(contents(work .. "/script.patch"), contents(tessanimPatch), "a patch of two files")
local original, changed = tessa.open(originalPath), tessa.open(changedPath)
tessa.diff(original, changed, work .. "/script-opened.patch")
check.equal(contents(work .. "/script-opened.patch"), contents(tessanimPatch),
    "a patch of two animations")

-- Applied, it makes the changed animation, from a file or from an animation.
check.equal(tessa.patch(originalPath, tessanimPatch):bytes(), contents(changedPath), "applied")
check.equal(tessa.patch(original, tessanimPatch):bytes(), contents(changedPath), "applied again")
-- And to anything else it is refused, naming the file.
check.fails("swapped.qlm is not that file", function() tessa.patch(changed, tessanimPatch) end)
check.fails("swapped.qlm is not that file", function() tessa.patch(changedPath, tessanimPatch) end)
check.fails("Could not read", function() tessa.patch(original, work .. "/missing.patch") end)
