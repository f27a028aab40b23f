// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct lua_State;

namespace tessa {

// Makes the standard libraries of `state` (all of them, opened) fit for a script from anywhere,
// each way out closed where it starts rather than by a list of bad calls:
// - code only as text: load, loadfile, dofile and require refuse precompiled chunks, and
//   string.dump is gone, as Lua's loader trusts the bytes of a precompiled chunk;
// - no debug library (debug.traceback stays): it reaches past every guard (upvalues, hooks,
//   metatables of the program's objects);
// - every file through one check (context.fileAccess) of the path as the system resolves it,
//   a number given as a name made text first: io.open, io.lines, io.input, io.output,
//   os.remove, os.rename, loadfile, dofile and require's search; the check's path is the one
//   opened; no program run (io.popen, os.execute), no C module (package.loadlib, package.cpath),
//   no temporary file elsewhere (os.tmpname, io.tmpfile), no standard input (it would wait
//   where no stop reaches), no process locale changed (os.setlocale only tells it);
// - nothing that runs where a stop cannot reach: no metatable with __gc (finalisers run with
//   the hook off), and Lua's calls that can work long inside one C call replaced by versions
//   that can be stopped (stoppablelib.h).
// Called once, with `tessa` and the host functions in place.
void containLibraries(lua_State *state);

} // namespace tessa
