// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program running the script gives it beyond the tessa library: questions to the user
// (tessa.ask), its commands (app.command), the selected line, and the guard on Lua's own ways to
// files when the program asks before a script reaches one.
#include "bindings.h"
#include "bindingsupport.h"

#include <cstdio>

namespace tessa {

namespace {

// tessa.ask(prompt [, default]): the typed line, or nil when the user cancelled.
int tessaAsk(lua_State *state)
{
    const std::string prompt = checkString(state, 1, "prompt");
    const std::string defaultText = optionalString(state, 2, "default", "");
    const ScriptContext &context = contextOf(state);
    if (!context.ask)
        fail("there is no one to ask: give the script what it needs as arguments");
    const std::optional<std::string> answer = context.ask(prompt, defaultText);
    if (answer)
        lua_pushlstring(state, answer->data(), answer->size());
    else
        lua_pushnil(state);
    return 1;
}

// tessa.message(text): a remark for the user.
int tessaMessage(lua_State *state)
{
    const std::string text = checkString(state, 1, "text");
    const ScriptContext &context = contextOf(state);
    if (context.message) {
        context.message(text);
    } else {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    return 0;
}

// app.command.NAME(): the command of upvalue 1, run as its menu entry runs it.
int runCommand(lua_State *state)
{
    const std::string name = lua_tostring(state, lua_upvalueindex(1));
    const std::string refusal = contextOf(state).runCommand(name);
    if (!refusal.empty())
        fail("app.command." + name + ": " + refusal);
    return 0;
}

// app.command's __index, reached by a name that is no command.
int unknownCommand(lua_State *state)
{
    fail("there is no command app.command." + std::string(luaL_tolstring(state, 2, nullptr)));
}

void pushCommands(lua_State *state, const std::vector<std::string> &names)
{
    lua_createtable(state, 0, static_cast<int>(names.size()));
    for (const std::string &name : names) {
        lua_pushlstring(state, name.data(), name.size());
        lua_pushcclosure(state, guarded<runCommand>, 1);
        lua_setfield(state, -2, name.c_str());
    }
    lua_createtable(state, 0, 1);
    lua_pushcfunction(state, guarded<unknownCommand>);
    lua_setfield(state, -2, "__index");
    lua_setmetatable(state, -2);
}

// Which arguments of a wrapped Lua function name files, and how they are used.
enum class PathArguments { Open, FirstRead, FirstWrite, BothWrite };

// Why the call may not go ahead, pushed as a string; nothing pushed when it may.
bool pushRefusal(lua_State *state, PathArguments kind)
{
    std::string refusal;
    try {
        const ScriptContext &context = contextOf(state);
        const auto ask = [&](int argument, FileAccess access) {
            if (refusal.empty() && lua_type(state, argument) == LUA_TSTRING)
                refusal = context.fileAccess(lua_tostring(state, argument), access);
        };
        switch (kind) {
        case PathArguments::Open: {
            const char *mode = lua_type(state, 2) == LUA_TSTRING ? lua_tostring(state, 2) : "r";
            const bool writes = std::string(mode).find_first_of("wa+") != std::string::npos;
            ask(1, writes ? FileAccess::Write : FileAccess::Read);
            break;
        }
        case PathArguments::FirstRead:
            ask(1, FileAccess::Read);
            break;
        case PathArguments::FirstWrite:
            ask(1, FileAccess::Write);
            break;
        case PathArguments::BothWrite:
            ask(1, FileAccess::Write);
            ask(2, FileAccess::Write);
            break;
        }
    } catch (const std::exception &error) {
        refusal = error.what();
    }
    if (refusal.empty())
        return false;
    lua_pushlstring(state, refusal.data(), refusal.size());
    return true;
}

// The wrapped function (upvalue 1), called once the files it names were allowed (upvalue 2
// says which they are). The refusal is raised here, with no C++ object left to skip, so that it
// names the script's line.
int guardedFileCall(lua_State *state)
{
    const auto kind = static_cast<PathArguments>(lua_tointeger(state, lua_upvalueindex(2)));
    if (pushRefusal(state, kind))
        return luaL_error(state, "%s", lua_tostring(state, -1));
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, lua_gettop(state) - 1, LUA_MULTRET);
    return lua_gettop(state);
}

// Replaces table[name] (the table on top of the stack) with its guarded self.
void guardField(lua_State *state, const char *name, PathArguments kind)
{
    if (lua_getfield(state, -1, name) != LUA_TFUNCTION) {
        lua_pop(state, 1);
        return;
    }
    lua_pushinteger(state, static_cast<lua_Integer>(kind));
    lua_pushcclosure(state, guardedFileCall, 2);
    lua_setfield(state, -2, name);
}

void removeField(lua_State *state, const char *name)
{
    lua_pushnil(state);
    lua_setfield(state, -2, name);
}

int refuseExit(lua_State *state)
{
    return luaL_error(state, "os.exit would close the editor: end the script by returning from "
                             "it, or by error(...) when it failed");
}

// Lua's io, os and loaders, as far as they are open, asking before they reach a file.
void guardLuaFiles(lua_State *state, const ScriptContext &context)
{
    lua_pushglobaltable(state);
    guardField(state, "dofile", PathArguments::FirstRead);
    guardField(state, "loadfile", PathArguments::FirstRead);
    lua_pop(state, 1);
    if (lua_getglobal(state, "io") == LUA_TTABLE) {
        guardField(state, "open", PathArguments::Open);
        guardField(state, "lines", PathArguments::FirstRead);
        guardField(state, "input", PathArguments::FirstRead);
        guardField(state, "output", PathArguments::FirstWrite);
        removeField(state, "popen");
    }
    lua_pop(state, 1);
    if (lua_getglobal(state, "os") == LUA_TTABLE) {
        guardField(state, "remove", PathArguments::FirstWrite);
        guardField(state, "rename", PathArguments::BothWrite);
        removeField(state, "execute");
        if (!context.mayExit) {
            lua_pushcfunction(state, refuseExit);
            lua_setfield(state, -2, "exit");
        }
    }
    lua_pop(state, 1);
    // require finds Lua files through package.path, which the engine points at the script's own
    // folder; C modules could do anything, so there are none.
    if (lua_getglobal(state, "package") == LUA_TTABLE) {
        removeField(state, "loadlib");
        lua_pushliteral(state, "");
        lua_setfield(state, -2, "cpath");
        lua_pushliteral(state, "");
        lua_setfield(state, -2, "path");
        if (lua_getfield(state, -1, "searchers") == LUA_TTABLE) {
            for (lua_Integer searcher : {4, 3}) {
                lua_pushnil(state);
                lua_rawseti(state, -2, searcher);
            }
        }
        lua_pop(state, 1);
    }
    lua_pop(state, 1);
}

} // namespace

void installHost(lua_State *state)
{
    const ScriptContext &context = contextOf(state);
    lua_getglobal(state, "tessa");
    lua_pushcfunction(state, guarded<tessaAsk>);
    lua_setfield(state, -2, "ask");
    lua_pushcfunction(state, guarded<tessaMessage>);
    lua_setfield(state, -2, "message");
    if (context.selectedLine > 0) {
        lua_pushinteger(state, context.selectedLine);
        lua_setfield(state, -2, "selected");
    }
    lua_pop(state, 1);

    if (!context.commandNames.empty()) {
        lua_createtable(state, 0, 1);
        pushCommands(state, context.commandNames);
        lua_setfield(state, -2, "command");
        lua_setglobal(state, "app");
    }

    if (context.fileAccess) {
        guardLuaFiles(state, context);
    } else if (!context.mayExit) {
        if (lua_getglobal(state, "os") == LUA_TTABLE) {
            lua_pushcfunction(state, refuseExit);
            lua_setfield(state, -2, "exit");
        }
        lua_pop(state, 1);
    }
}

} // namespace tessa
