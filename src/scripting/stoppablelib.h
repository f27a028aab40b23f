// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct lua_State;

// Lua's own functions that can work without end inside a single call, in versions that can be
// stopped (stoppablelib.cpp, from Lua's sources).
extern "C" {

// Replaces string.find, match, gmatch, gsub and rep, and table.insert, remove and move, in the
// global tables `string` and `table`, with versions that call tessa_lua_stop_reason every so
// often and raise what it says.
void tessa_lua_replace_long_calls(lua_State *L);

// Why the script running in `L` must stop now, or null while it may go on. Provided by the
// program (luastate.cpp); it raises no error itself.
const char *tessa_lua_stop_reason(lua_State *L);
}
