// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/notice.h"
#include "scriptobjects.h"

#include <lua.hpp>

#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// What every binding uses: argument checks, the script's objects as Lua values, and the one way
// errors reach the script.
//
// Lua raises its errors with longjmp, which would skip the destructors of C++ objects on the way.
// So the bindings never raise a Lua error themselves: they throw ScriptError, and guarded<>
// turns it into a Lua error once every C++ object of the call is gone. The message then starts
// with the script's file and line, as luaL_error and luaL_argerror give it.
namespace tessa {

struct ScriptError : std::runtime_error
{
    explicit ScriptError(const std::string &message, int argument = 0)
        : std::runtime_error(message)
        , argument(argument)
    {
    }
    int argument; // the bad argument's position, 0 when the error is not about one
};

[[noreturn]] inline void failArgument(int argument, const std::string &message)
{
    throw ScriptError(message, argument);
}
[[noreturn]] inline void fail(const std::string &message)
{
    throw ScriptError(message);
}
// A refusal of the core, its lines joined as a terminal wants them.
[[noreturn]] void failWith(const Notice &notice);

template<int (*Binding)(lua_State *)>
int guarded(lua_State *state)
{
    int argument = -1;
    try {
        return Binding(state);
    } catch (const ScriptError &error) {
        argument = error.argument;
        lua_pushstring(state, error.what());
    } catch (const std::bad_alloc &) {
        lua_pushstring(state, "not enough memory");
    } catch (const std::exception &error) {
        lua_pushstring(state, error.what());
    }
    // Only Lua's own values are left: raising the error may now leave this frame.
    const char *message = lua_tostring(state, -1);
    if (argument > 0)
        return luaL_argerror(state, argument, message);
    return luaL_error(state, "%s", message);
}

ScriptContext &contextOf(lua_State *state);
// Keeps `context` (which must outlive the state) for contextOf.
void setContext(lua_State *state, ScriptContext &context);
// The path by which to reach the file `path` (`what` says what for) in this way; fails when the
// script may not. Use what it returns, not `path`: it is the file that was judged.
std::string checkFileAccess(lua_State *state, const std::string &path, FileAccess access,
                            const char *what);
// Asks whether the script may go on, for work of the media functions that runs long: false once
// the script must stop (its reason is then raised when the work has returned).
GoOn goOnWhileAllowed(lua_State *state);
// Counts `count` frames made, failing past the context's limit or the state's memory limit
// (frames are held outside Lua's heap).
void spendFrames(lua_State *state, std::uint64_t count);
// The number of images in `items`.
std::uint64_t imageCount(const ItemList &items);

// Argument checks; `what` names the argument in the message ("x", "line", ...).
lua_Integer checkInteger(lua_State *state, int argument, const char *what);
lua_Integer checkIntegerIn(lua_State *state, int argument, const char *what, lua_Integer low,
                           lua_Integer high);
double checkNumber(lua_State *state, int argument, const char *what);
std::string checkString(lua_State *state, int argument, const char *what);
std::string optionalString(lua_State *state, int argument, const char *what,
                           const std::string &otherwise);
// A palette index 0 to 255.
std::uint8_t checkIndex(lua_State *state, int argument, const char *what);
// A 1-based line of `animation`, turned 0-based.
int checkLine(lua_State *state, int argument, const ScriptAnimation &animation);
// A Lua sequence of the strings.
void pushStringList(lua_State *state, const std::vector<std::string> &strings);

// A field of the options table at `argument` (nil when absent or no table was given).
int optionalField(lua_State *state, int argument, const char *name);
// The number or string in a field of the options table at `argument`, `otherwise` (or "") when
// it is absent; anything else there fails the call.
double numberField(lua_State *state, int argument, const char *name, double otherwise);
std::string stringField(lua_State *state, int argument, const char *name);

// Userdata that hold a C++ object. The object lives in an optional so that __gc can end it
// exactly once, however often a script manages to call it.
template<typename T>
T &pushObject(lua_State *state, const char *type, T value)
{
    void *memory = lua_newuserdatauv(state, sizeof(std::optional<T>), 0);
    auto *slot = new (memory) std::optional<T>(std::move(value));
    luaL_setmetatable(state, type);
    return **slot;
}

template<typename T>
T *testObject(lua_State *state, int argument, const char *type)
{
    auto *slot = static_cast<std::optional<T> *>(luaL_testudata(state, argument, type));
    return slot && slot->has_value() ? &**slot : nullptr;
}

std::string typeNameAt(lua_State *state, int argument);

template<typename T>
T &checkObject(lua_State *state, int argument, const char *type, const char *what)
{
    if (T *object = testObject<T>(state, argument, type))
        return *object;
    failArgument(argument, std::string(what) + " expected, got " + typeNameAt(state, argument));
}

template<typename T>
int collectObject(lua_State *state)
{
    if (auto *slot = static_cast<std::optional<T> *>(lua_touserdata(state, 1)))
        slot->reset();
    return 0;
}

// Makes the metatable of `type`: its methods, __gc, and a __metatable that keeps scripts from
// reaching (and calling) __gc themselves.
void registerType(lua_State *state, const char *type, const luaL_Reg *methods,
                  lua_CFunction collect, const luaL_Reg *metamethods = nullptr);

} // namespace tessa
