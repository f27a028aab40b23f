// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bindingsupport.h"

#include "luastate.h"

#include <limits>

namespace tessa {

namespace {

// The registry key of the ScriptContext: the address of this variable.
const char kContextKey = 0;

} // namespace

void failWith(const Notice &notice)
{
    std::string text = notice.text;
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    fail(text);
}

ScriptContext &contextOf(lua_State *state)
{
    lua_rawgetp(state, LUA_REGISTRYINDEX, &kContextKey);
    auto *context = static_cast<ScriptContext *>(lua_touserdata(state, -1));
    lua_pop(state, 1);
    if (!context)
        fail("the tessa library is not set up in this state");
    return *context;
}

void setContext(lua_State *state, ScriptContext &context)
{
    lua_pushlightuserdata(state, &context);
    lua_rawsetp(state, LUA_REGISTRYINDEX, &kContextKey);
}

std::string checkFileAccess(lua_State *state, const std::string &path, FileAccess access,
                            const char *what)
{
    const ScriptContext &context = contextOf(state);
    if (!context.mayUseFiles)
        fail(std::string(what) + ": this script may not use files");
    // A stopped script may still run a few instructions on its way out: none reaches a file.
    if (const std::string &stopped = stopReasonOf(state); !stopped.empty())
        fail(stopped);
    // The system would stop reading the name at a NUL, and reach another file than the one named.
    if (path.find('\0') != std::string::npos)
        fail(std::string(what) + ": the file name holds a NUL character");
    if (!context.fileAccess)
        return path;
    auto allowed = context.fileAccess(path, access);
    if (!allowed)
        fail(std::string(what) + ": " + allowed.error());
    return std::move(*allowed);
}

GoOn goOnWhileAllowed(lua_State *state)
{
    return [state] { return stopReasonOf(state).empty(); };
}

void spendFrames(lua_State *state, std::uint64_t count)
{
    ScriptContext &context = contextOf(state);
    context.framesMade += count;
    if (context.frameLimit != 0 && context.framesMade > context.frameLimit)
        fail("the script made more than its limit of " + std::to_string(context.frameLimit)
             + " frames");
    countFramesHeld(state);
    const LuaMemory &memory = memoryOf(state);
    if (memory.limit != 0 && memory.used + memory.outside > memory.limit)
        fail(memoryLimitMessage(memory.limit));
}

std::uint64_t imageCount(const ItemList &items)
{
    std::uint64_t count = 0;
    for (const AnimItem &item : items)
        count += item.isImage() ? 1 : 0;
    return count;
}

std::string typeNameAt(lua_State *state, int argument)
{
    if (luaL_testudata(state, argument, kAnimationType))
        return "animation";
    if (luaL_testudata(state, argument, kFrameType))
        return "frame";
    if (luaL_testudata(state, argument, kPaletteType))
        return "palette";
    return luaL_typename(state, argument);
}

lua_Integer checkInteger(lua_State *state, int argument, const char *what)
{
    // Numbers only: Lua would also take the text "1", which here is more likely a mistake (an
    // argument of the command line not turned into a number).
    const bool number = lua_type(state, argument) == LUA_TNUMBER;
    int isInteger = 0;
    const lua_Integer value = number ? lua_tointegerx(state, argument, &isInteger) : 0;
    if (!isInteger) {
        failArgument(argument, std::string(what) + ": a whole number expected, got "
                                       + (number ? "a fraction" : typeNameAt(state, argument)));
    }
    return value;
}

lua_Integer checkIntegerIn(lua_State *state, int argument, const char *what, lua_Integer low,
                           lua_Integer high)
{
    const lua_Integer value = checkInteger(state, argument, what);
    if (value < low || value > high)
        failArgument(argument, std::string(what) + " must be " + std::to_string(low) + " to "
                                       + std::to_string(high) + ", not " + std::to_string(value));
    return value;
}

double checkNumber(lua_State *state, int argument, const char *what)
{
    if (lua_type(state, argument) != LUA_TNUMBER)
        failArgument(argument,
                     std::string(what) + ": a number expected, got " + typeNameAt(state, argument));
    return lua_tonumber(state, argument);
}

std::string checkString(lua_State *state, int argument, const char *what)
{
    if (lua_type(state, argument) != LUA_TSTRING)
        failArgument(argument,
                     std::string(what) + ": a string expected, got " + typeNameAt(state, argument));
    std::size_t length = 0;
    const char *text = lua_tolstring(state, argument, &length);
    return std::string(text, length);
}

std::string optionalString(lua_State *state, int argument, const char *what,
                           const std::string &otherwise)
{
    return lua_isnoneornil(state, argument) ? otherwise : checkString(state, argument, what);
}

std::uint8_t checkIndex(lua_State *state, int argument, const char *what)
{
    return static_cast<std::uint8_t>(checkIntegerIn(state, argument, what, 0, 255));
}

int checkLine(lua_State *state, int argument, const ScriptAnimation &animation)
{
    const lua_Integer line = checkInteger(state, argument, "line");
    if (line < 1 || line > animation.count())
        failArgument(argument, "line " + std::to_string(line)
                                       + " does not exist: the animation has "
                                       + std::to_string(animation.count()) + " lines");
    return static_cast<int>(line - 1);
}

void pushStringList(lua_State *state, const std::vector<std::string> &strings)
{
    lua_createtable(state, static_cast<int>(strings.size()), 0);
    for (std::size_t i = 0; i < strings.size(); ++i) {
        lua_pushlstring(state, strings[i].data(), strings[i].size());
        lua_rawseti(state, -2, static_cast<lua_Integer>(i + 1));
    }
}

int optionalField(lua_State *state, int argument, const char *name)
{
    if (lua_isnoneornil(state, argument)) {
        lua_pushnil(state);
        return LUA_TNIL;
    }
    if (lua_type(state, argument) != LUA_TTABLE)
        failArgument(argument, "a table of options expected, got " + typeNameAt(state, argument));
    // Raw, so that no metamethod of the script's runs (and raises) inside a binding.
    lua_pushstring(state, name);
    return lua_rawget(state, argument);
}

void registerType(lua_State *state, const char *type, const luaL_Reg *methods,
                  lua_CFunction collect, const luaL_Reg *metamethods)
{
    luaL_newmetatable(state, type);
    lua_newtable(state);
    luaL_setfuncs(state, methods, 0);
    lua_setfield(state, -2, "__index");
    lua_pushcfunction(state, collect);
    lua_setfield(state, -2, "__gc");
    lua_pushstring(state, type);
    lua_setfield(state, -2, "__metatable");
    if (metamethods)
        luaL_setfuncs(state, metamethods, 0);
    lua_pop(state, 1);
}

double numberField(lua_State *state, int argument, const char *name, double otherwise)
{
    const bool given = optionalField(state, argument, name) != LUA_TNIL;
    const double value = given ? checkNumber(state, -1, name) : otherwise;
    lua_pop(state, 1);
    return value;
}

std::string stringField(lua_State *state, int argument, const char *name)
{
    const bool given = optionalField(state, argument, name) != LUA_TNIL;
    std::string value = given ? checkString(state, -1, name) : std::string();
    lua_pop(state, 1);
    return value;
}

} // namespace tessa
