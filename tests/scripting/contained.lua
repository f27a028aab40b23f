-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Ways a script shared by a stranger could reach past its containment, one per CASE; each must
-- end as runcontained.cmake expects (status, message) with nothing made or changed in OUTSIDE,
-- a folder outside the script's own.
--   tessanim run --safe contained.lua CASE OUTSIDE [ANIMATION]
local case, outside, animation = ...
local here = arg[0]:match("^(.*)[/\\]") or "."

-- Every call must fail, with a message matching `pattern`.
local function refused(pattern, f, ...)
    local ok, message = pcall(f, ...)
    if ok then
        error("not refused", 2)
    end
    if not tostring(message):find(pattern) then
        error("refused for another reason: " .. tostring(message), 2)
    end
end

if case == "dump" then
    load(string.dump(function() end))
elseif case == "binary" then
    -- A precompiled chunk's signature: its bytes would be trusted.
    assert(load("\27Lua\84\0" .. string.rep("\0", 40)))
elseif case == "debug" then
    assert(debug.traceback("traced"):find("traced"))
    for _, name in ipairs({"getupvalue", "setupvalue", "setmetatable", "sethook", "getregistry"}) do
        assert(debug[name] == nil and require("debug")[name] == nil, name)
    end
    debug.getupvalue(io.open, 1)
elseif case == "nul" then
    local name = outside .. "/made.qlm\0.txt"
    local anim = tessa.open(animation)
    refused("NUL", tessa.open, name)
    refused("NUL", tessa.files, outside .. "\0")
    refused("NUL", tessa.image, name)
    refused("NUL", tessa.palette, name)
    refused("NUL", function() anim:save(name) end)
    refused("NUL", function() anim:frame(1):save(name) end)
    refused("NUL", tessa.diff, anim, anim, name)
    refused("NUL", function() anim:render(outside .. "/made.gif\0") end)
    refused("NUL", io.open, name, "w")
    refused("NUL", os.remove, name)
    error("every name with a NUL was refused")
elseif case == "link" then
    -- link leads to OUTSIDE/deep: its ".." is OUTSIDE, not the script's folder.
    io.open(here .. "/link/../made.txt", "w")
elseif case == "require" then
    -- OUTSIDE/secret.lua is no script: reading it as one would show its first word.
    package.path = outside .. "/?.lua"
    require("secret")
elseif case == "number" then
    -- Run in OUTSIDE: a number is a name there.
    refused("not allowed to reach", io.open, 123, "w")
    refused("not allowed to reach", os.remove, 123)
    refused("not allowed to reach", os.rename, 123, 124)
    refused("temporary", os.tmpname)
    refused("temporary", io.tmpfile)
    error("every number was refused")
elseif case == "pattern" then
    string.find(string.rep("a", 400), ".-.-.-.-b")
elseif case == "caught" then
    -- A stop is no error the script can catch.
    while true do
        pcall(function() while true do end end)
        coroutine.wrap(function() string.rep("a", 300):find(".-.-.-.-b") end)()
    end
elseif case == "finaliser" then
    setmetatable({}, {__gc = function() while true do end end})
elseif case == "memory" then
    local text = "doubled"
    while true do text = text .. text end
elseif case == "input" then
    io.read()
elseif case == "locale" then
    os.setlocale("C")
elseif case == "zero" then
    -- Run without --safe: a device that never ends is read no further than a palette can be.
    refused("larger than a file of its kind can be", tessa.palette, "/dev/zero")
    error("the endless file was read no further")
end
