-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Checks that two folders hold the same files with the same bytes.
--   tessanim run samefiles.lua FOLDER OTHER
local check = dofile(arg[0]:match("^(.*[/\\])") .. "check.lua")
local folder, other = ...

local names, otherNames = tessa.files(folder), tessa.files(other)
check.equal(table.concat(names, " "), table.concat(otherNames, " "), "the files")
assert(#names > 0, "no files: the test proves nothing")
for _, name in ipairs(names) do
    local same = check.contents(folder .. "/" .. name) == check.contents(other .. "/" .. name)
    check.equal(same, true, name)
end
