// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/pixelbuffer.h"
#include "imaging/palette.h"
#include "scriptobjects.h"

#include <memory>
#include <string>

struct lua_State;

// The parts of the tessa library, one file each, and what they give one another.
namespace tessa {

void registerAnimationType(lua_State *state);
void registerFrameType(lua_State *state);
void registerPaletteType(lua_State *state);

void pushAnimation(lua_State *state, std::shared_ptr<ScriptAnimation> animation);
ScriptAnimation &checkAnimation(lua_State *state, int argument);

// A frame of the item on `line` of `animation`, or a frame of its own.
void pushItemFrame(lua_State *state, const std::shared_ptr<ScriptAnimation> &animation, int line);
void pushOwnFrame(lua_State *state, PixelBuffer pixels);
// The pixels of the frame at `argument`: a full frame, which the caller may change.
PixelBuffer &checkFramePixels(lua_State *state, int argument);

void pushPalette(lua_State *state, const PaletteColors &colors);
// A palette object, or the name of one ("main", "extra", a palette file); `main` when absent.
PaletteColors paletteArgument(lua_State *state, int argument);

// Writes a frame as a BMP, or a PNG (by the extension) through the media functions.
void saveFrame(lua_State *state, const std::string &path, const PixelBuffer &pixels,
               const PaletteColors &colors);

// tessa.open, tessa.new, ...: the library table, left on the stack.
void pushLibrary(lua_State *state);
// Adds tessa.sound to the library table on top of the stack.
void addSoundFunctions(lua_State *state);
// What the context gives beyond the library (tessa.ask, app.command, tessa.selected, the guard
// on Lua's own file functions), once the libraries and `tessa` are in place.
void installHost(lua_State *state);

} // namespace tessa
