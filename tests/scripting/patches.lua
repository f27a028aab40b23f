-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Patches through scripts, held against tessanim diff's patch of the same two files.
--   tessanim run patches.lua ORIGINAL CHANGED TESSANIM-PATCH WORK
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")
local originalPath, changedPath, tessanimPatch, work = ...

-- The same patch from the files, and from the animations opened.
tessa.diff(originalPath, changedPath, work .. "/script.patch")
local expected = check.contents(tessanimPatch)
check.equal(check.contents(work .. "/script.patch"), expected, "a patch of two files")
local original, changed = tessa.open(originalPath), tessa.open(changedPath)
tessa.diff(original, changed, work .. "/script-opened.patch")
check.equal(check.contents(work .. "/script-opened.patch"), expected, "a patch of two animations")

-- Applied, it makes the changed animation, from a file or from an animation.
local changedBytes = check.contents(changedPath)
check.equal(tessa.patch(originalPath, tessanimPatch):bytes(), changedBytes, "applied to a file")
check.equal(tessa.patch(original, tessanimPatch):bytes(), changedBytes, "applied to an animation")
-- And to anything else it is refused, naming the file.
check.fails("swapped.qlm is not that file", function() tessa.patch(changed, tessanimPatch) end)
check.fails("swapped.qlm is not that file", function() tessa.patch(changedPath, tessanimPatch) end)
check.fails("Could not read", function() tessa.patch(original, work .. "/missing.patch") end)
