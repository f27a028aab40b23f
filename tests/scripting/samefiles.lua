-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Checks that two folders hold the same files with the same bytes.
--   tessanim run samefiles.lua FOLDER OTHER
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")
local folder, other = ...

local function contents(path)
    local file = assert(io.open(path, "rb"))
    local bytes = file:read("a")
    file:close()
    return bytes
end

local names, otherNames = tessa.files(folder), tessa.files(other)
check.equal(table.concat(names, " "), table.concat(otherNames, " "), "the files")
assert(#names > 0, "no files: the test proves nothing")
for _, name in ipairs(names) do
    check.equal(contents(folder .. "/" .. name) == contents(other .. "/" .. name), true, name)
end
