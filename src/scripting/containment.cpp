// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "containment.h"

#include "bindingsupport.h"
#include "scriptpaths.h"
#include "stoppablelib.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessa {

namespace {

// Replaces the file name at `argument` (text, or a number, which the file functions would take as
// text) with the path the check gives, raising the refusal as the script's error.
void replacePathArgument(lua_State *state, int argument, FileAccess access, const char *what)
{
    bool refused = false;
    try {
        std::size_t length = 0;
        const char *text = lua_tolstring(state, argument, &length);
        const std::string path = checkFileAccess(state, std::string(text, length), access, what);
        lua_pushlstring(state, path.data(), path.size());
    } catch (const std::exception &error) {
        lua_pushstring(state, error.what());
        refused = true;
    }
    // Only Lua's values are left: the error may leave this frame.
    if (refused)
        luaL_error(state, "%s", lua_tostring(state, -1));
    lua_replace(state, argument);
}

bool namesFile(lua_State *state, int argument)
{
    const int type = lua_type(state, argument);
    return type == LUA_TSTRING || type == LUA_TNUMBER;
}

// Which arguments of a wrapped function name files, and how they are used.
enum class PathArguments { Open, Lines, Input, Output, Remove, Rename };

void checkPathArguments(lua_State *state, PathArguments kind, const char *name)
{
    switch (kind) {
    case PathArguments::Open: {
        const char *mode = lua_type(state, 2) == LUA_TSTRING ? lua_tostring(state, 2) : "r";
        const bool writes = std::string(mode).find_first_of("wa+") != std::string::npos;
        if (namesFile(state, 1))
            replacePathArgument(state, 1, writes ? FileAccess::Write : FileAccess::Read, name);
        break;
    }
    case PathArguments::Lines:
    case PathArguments::Input:
        if (namesFile(state, 1))
            replacePathArgument(state, 1, FileAccess::Read, name);
        break;
    case PathArguments::Output:
    case PathArguments::Remove:
        if (namesFile(state, 1))
            replacePathArgument(state, 1, FileAccess::Write, name);
        break;
    case PathArguments::Rename:
        for (int argument : {1, 2}) {
            if (namesFile(state, argument))
                replacePathArgument(state, argument, FileAccess::Write, name);
        }
        break;
    }
}

// The wrapped function (upvalue 1), called with the files it names checked and replaced by the
// paths to open (upvalue 2 says which they are, upvalue 3 is its name for messages). Anything
// else in the place of a name is left to the function, which refuses it or takes it as a file.
int guardedFileCall(lua_State *state)
{
    const auto kind = static_cast<PathArguments>(lua_tointeger(state, lua_upvalueindex(2)));
    checkPathArguments(state, kind, lua_tostring(state, lua_upvalueindex(3)));
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, lua_gettop(state) - 1, LUA_MULTRET);
    return lua_gettop(state);
}

// Replaces table[name] (the table on top of the stack) with its guarded self.
void guardField(lua_State *state, const char *table, const char *name, PathArguments kind)
{
    if (lua_getfield(state, -1, name) != LUA_TFUNCTION) {
        lua_pop(state, 1);
        return;
    }
    lua_pushinteger(state, static_cast<lua_Integer>(kind));
    lua_pushfstring(state, "%s.%s", table, name);
    lua_pushcclosure(state, guardedFileCall, 3);
    lua_setfield(state, -2, name);
}

void setField(lua_State *state, const char *name, lua_CFunction function)
{
    if (function)
        lua_pushcfunction(state, function);
    else
        lua_pushnil(state);
    lua_setfield(state, -2, name);
}

int refuseTemporaryFile(lua_State *state)
{
    return luaL_error(state, "a contained script makes no temporary files elsewhere: write "
                             "them in its own folder");
}

// os.setlocale(): what the locale is; changing it would change how the whole program reads and
// writes numbers.
int queryLocale(lua_State *state)
{
    if (!lua_isnoneornil(state, 1))
        return luaL_error(state, "a contained script may not change the program's locale");
    lua_settop(state, 0);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, lua_gettop(state) - 1, LUA_MULTRET);
    return lua_gettop(state);
}

// load(chunk [, name [, mode [, env]]]) with mode "t" whatever is asked.
int loadText(lua_State *state)
{
    if (lua_gettop(state) < 3)
        lua_settop(state, 3);
    lua_pushliteral(state, "t");
    lua_replace(state, 3);
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, lua_gettop(state) - 1, LUA_MULTRET);
    return lua_gettop(state);
}

void requireFileName(lua_State *state, const char *function)
{
    if (!namesFile(state, 1))
        luaL_error(state, "%s: a file name expected (a contained script reads no standard input)",
                   function);
}

// loadfile(name [, mode [, env]]): as Lua's, text only, the file checked.
int loadFileText(lua_State *state)
{
    requireFileName(state, "loadfile");
    replacePathArgument(state, 1, FileAccess::Read, "loadfile");
    const int environment = lua_isnone(state, 3) ? 0 : 3;
    if (luaL_loadfilex(state, lua_tostring(state, 1), "t") != LUA_OK) {
        lua_pushnil(state);
        lua_insert(state, -2);
        return 2;
    }
    if (environment != 0) {
        lua_pushvalue(state, environment);
        if (!lua_setupvalue(state, -2, 1))
            lua_pop(state, 1);
    }
    return 1;
}

int doFileResults(lua_State *state, int, lua_KContext)
{
    return lua_gettop(state) - 1;
}

// dofile(name): as Lua's, text only, the file checked.
int doFileText(lua_State *state)
{
    requireFileName(state, "dofile");
    lua_settop(state, 1);
    replacePathArgument(state, 1, FileAccess::Read, "dofile");
    if (luaL_loadfilex(state, lua_tostring(state, 1), "t") != LUA_OK)
        return lua_error(state);
    lua_callk(state, 0, LUA_MULTRET, 0, doFileResults);
    return doFileResults(state, 0, 0);
}

// setmetatable(table, metatable), refusing a finaliser: Lua runs __gc with its hooks off, where
// no stop reaches it.
int setMetatableWithoutFinaliser(lua_State *state)
{
    if (lua_type(state, 2) == LUA_TTABLE) {
        lua_pushliteral(state, "__gc");
        if (lua_rawget(state, 2) != LUA_TNIL)
            return luaL_error(state, "a contained script may not give a table a __gc "
                                     "metamethod: a finaliser runs where it cannot be stopped");
        lua_pop(state, 1);
    }
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, lua_gettop(state) - 1, LUA_MULTRET);
    return lua_gettop(state);
}

// Wraps global function `name` in `wrapper`, which finds the original as its upvalue 1.
void wrapGlobal(lua_State *state, const char *name, lua_CFunction wrapper)
{
    lua_getglobal(state, name);
    lua_pushcclosure(state, wrapper, 1);
    lua_setglobal(state, name);
}

// Pushes the first file package.path's `templates` give for module `name` that exists, or nil
// and the list of the files tried, as Lua's own searcher words it.
void pushModuleFile(lua_State *state, const char *name, const char *templates)
{
    std::string module = name;
    for (char &c : module) {
        if (c == '.')
            c = LUA_DIRSEP[0];
    }
    std::string tried;
    const std::string_view all = templates;
    for (std::size_t start = 0; start <= all.size();) {
        const std::size_t end = std::min(all.find(';', start), all.size());
        std::string candidate(all.substr(start, end - start));
        start = end + 1;
        if (candidate.empty())
            continue;
        for (std::size_t at = candidate.find('?'); at != std::string::npos;
             at = candidate.find('?', at + module.size()))
            candidate.replace(at, 1, module);
        const auto resolved = systemPath(candidate);
        std::error_code error;
        if (resolved && std::filesystem::is_regular_file(*resolved, error)) {
            lua_pushlstring(state, candidate.data(), candidate.size());
            return;
        }
        tried += "\n\tno file '" + candidate + "'";
    }
    lua_pushnil(state);
    lua_pushlstring(state, tried.data(), tried.size());
}

// A searcher for require: package.path's templates, the file found checked as io.open checks a
// file, and read as text. Upvalue 1: the package table.
int searchLuaModule(lua_State *state)
{
    const char *name = luaL_checkstring(state, 1);
    if (lua_getfield(state, lua_upvalueindex(1), "path") != LUA_TSTRING)
        return luaL_error(state, "'package.path' must be a string");
    lua_settop(state, 2);
    pushModuleFile(state, name, lua_tostring(state, 2));
    if (lua_isnil(state, 3))
        return 1;
    replacePathArgument(state, 3, FileAccess::Read, "require");
    const char *path = lua_tostring(state, 3);
    if (luaL_loadfilex(state, path, "t") != LUA_OK)
        return luaL_error(state, "error loading module '%s' from file '%s':\n\t%s", name, path,
                          lua_tostring(state, -1));
    lua_pushvalue(state, 3);
    return 2;
}

void containIo(lua_State *state)
{
    if (lua_getglobal(state, "io") != LUA_TTABLE) {
        lua_pop(state, 1);
        return;
    }
    guardField(state, "io", "open", PathArguments::Open);
    guardField(state, "io", "lines", PathArguments::Lines);
    guardField(state, "io", "input", PathArguments::Input);
    guardField(state, "io", "output", PathArguments::Output);
    setField(state, "popen", nullptr);
    setField(state, "tmpfile", refuseTemporaryFile);
    // No standard input: io.read and io.lines() find their default input closed, as a file
    // handle whose closing function is gone is to Lua's io library.
    auto *closed = static_cast<luaL_Stream *>(lua_newuserdatauv(state, sizeof(luaL_Stream), 0));
    closed->f = nullptr;
    closed->closef = nullptr;
    luaL_setmetatable(state, LUA_FILEHANDLE);
    lua_pushvalue(state, -1);
    lua_setfield(state, LUA_REGISTRYINDEX, "_IO_input");
    lua_setfield(state, -2, "stdin");
    lua_pop(state, 1);
}

void containOs(lua_State *state)
{
    if (lua_getglobal(state, "os") != LUA_TTABLE) {
        lua_pop(state, 1);
        return;
    }
    guardField(state, "os", "remove", PathArguments::Remove);
    guardField(state, "os", "rename", PathArguments::Rename);
    setField(state, "execute", nullptr);
    setField(state, "tmpname", refuseTemporaryFile);
    lua_getfield(state, -1, "setlocale");
    lua_pushcclosure(state, queryLocale, 1);
    lua_setfield(state, -2, "setlocale");
    lua_pop(state, 1);
}

void containPackage(lua_State *state)
{
    if (lua_getglobal(state, "package") != LUA_TTABLE) {
        lua_pop(state, 1);
        return;
    }
    setField(state, "loadlib", nullptr);
    setField(state, "searchpath", nullptr);
    lua_pushliteral(state, "");
    lua_setfield(state, -2, "cpath");
    // The searchers: the modules a script put in package.preload, then Lua files through the
    // check. The first of Lua's own searchers is the preload one.
    lua_createtable(state, 2, 0);
    lua_getfield(state, -2, "searchers");
    lua_rawgeti(state, -1, 1);
    lua_rawseti(state, -3, 1);
    lua_pop(state, 1);
    lua_pushvalue(state, -2);
    lua_pushcclosure(state, searchLuaModule, 1);
    lua_rawseti(state, -2, 2);
    lua_setfield(state, -2, "searchers");
    // debug, as require("debug") and the global name give it: traceback alone.
    lua_getfield(state, -1, "loaded");
    lua_createtable(state, 0, 1);
    lua_getglobal(state, "debug");
    if (lua_type(state, -1) == LUA_TTABLE)
        lua_getfield(state, -1, "traceback");
    else
        lua_pushnil(state);
    lua_setfield(state, -3, "traceback");
    lua_pop(state, 1);
    lua_pushvalue(state, -1);
    lua_setglobal(state, "debug");
    lua_setfield(state, -2, "debug");
    lua_pop(state, 2);
}

} // namespace

void containLibraries(lua_State *state)
{
    tessa_lua_replace_long_calls(state);
    if (lua_getglobal(state, "string") == LUA_TTABLE)
        setField(state, "dump", nullptr);
    lua_pop(state, 1);
    wrapGlobal(state, "load", loadText);
    wrapGlobal(state, "setmetatable", setMetatableWithoutFinaliser);
    lua_pushcfunction(state, loadFileText);
    lua_setglobal(state, "loadfile");
    lua_pushcfunction(state, doFileText);
    lua_setglobal(state, "dofile");
    containIo(state);
    containOs(state);
    containPackage(state);
}

} // namespace tessa
