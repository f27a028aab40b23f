-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- What the scripting tests share: a call that must fail, with the message it must give, and
-- the lines and files to compare.
local check = {}

local thisFile = arg[0]:match("[^/\\]+$")

-- Calls f, a function written on the line of the call, and fails the test unless it raises an
-- error that names this test's file and that line, and matches `pattern` (a Lua pattern).
function check.fails(pattern, f)
    local callLine = debug.getinfo(2, "l").currentline
    local ok, message = pcall(f)
    if ok then
        error("expected an error matching '" .. pattern .. "', but the call succeeded", 2)
    end
    message = tostring(message)
    local where = thisFile:gsub("%p", "%%%0") .. ":" .. callLine .. ":"
    if not message:find(where) then
        error("the error does not name " .. thisFile .. ":" .. callLine .. ": " .. message, 2)
    end
    if not message:find(pattern) then
        error("the error does not match '" .. pattern .. "': " .. message, 2)
    end
end

function check.equal(actual, expected, what)
    if actual ~= expected then
        error(("%s: expected %s, got %s"):format(what or "value", tostring(expected),
            tostring(actual)), 2)
    end
end

-- The bytes of a file.
function check.contents(path)
    local file = assert(io.open(path, "rb"))
    local bytes = file:read("a")
    file:close()
    return bytes
end

-- The kinds of every line, joined: "image fadein pause end".
function check.kinds(anim)
    local kinds = {}
    for line = 1, anim:count() do
        local kind, value = anim:item(line)
        kinds[#kinds + 1] = (kind == "pause" or kind == "sound") and kind .. value or kind
    end
    return table.concat(kinds, " ")
end

return check
