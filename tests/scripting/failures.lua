-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Scripts that go wrong after changing an animation and before saving it: each must fail with
-- its file and line and leave the file as it was (runfailing.cmake checks).
--   tessanim run failures.lua CASE FILE
local case, path = ...
local anim = tessa.open(path)
anim:frame(1):fill(1)
anim:insert(2, "pause", 5)

if case == "index" then
    anim:item(anim:count() + 1)
elseif case == "type" then
    anim:frame(1):set(0, 0, "7")
elseif case == "pixel" then
    anim:frame(1):set(0, 200, 7)
elseif case == "rule" then
    anim:remove(1)
elseif case == "value" then
    anim:insert(2, "pause", -5)
elseif case == "bytes" then
    anim:setFrame(1, string.rep("x", 63999))
elseif case == "raised" then
    error("the script gave up")
end
anim:save(path)
