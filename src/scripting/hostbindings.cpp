// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program running the script gives it beyond the tessa library: questions to the user
// (tessa.ask), its commands (app.command) and the selected line.
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
    // Not through __tostring: a script's function may not run inside this one.
    const bool named = lua_type(state, 2) == LUA_TSTRING;
    fail("there is no command app.command."
         + std::string(named ? lua_tostring(state, 2) : luaL_typename(state, 2)));
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

int refuseExit(lua_State *state)
{
    return luaL_error(state, "os.exit would close the editor: end the script by returning from "
                             "it, or by error(...) when it failed");
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

    if (!context.mayExit) {
        if (lua_getglobal(state, "os") == LUA_TTABLE) {
            lua_pushcfunction(state, refuseExit);
            lua_setfield(state, -2, "exit");
        }
        lua_pop(state, 1);
    }
}

} // namespace tessa
