-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- Writes a precompiled chunk to PATH, which a contained script runner must refuse to run.
--   tessanim run makechunk.lua PATH
local file = assert(io.open(..., "wb"))
file:write(string.dump(function() print("a precompiled chunk ran") end))
file:close()
