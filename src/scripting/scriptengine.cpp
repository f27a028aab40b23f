// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptengine.h"

#include "bindings.h"
#include "bindingsupport.h"
#include "document/nativefile.h"

#include <lua.hpp>

namespace tessa {

namespace {

void openContained(lua_State *state)
{
    static const luaL_Reg libraries[] = {{LUA_GNAME, luaopen_base},
                                         {LUA_TABLIBNAME, luaopen_table},
                                         {LUA_STRLIBNAME, luaopen_string},
                                         {LUA_MATHLIBNAME, luaopen_math},
                                         {LUA_UTF8LIBNAME, luaopen_utf8},
                                         {LUA_COLIBNAME, luaopen_coroutine},
                                         {nullptr, nullptr}};
    for (const luaL_Reg *library = libraries; library->func; ++library) {
        luaL_requiref(state, library->name, library->func, 1);
        lua_pop(state, 1);
    }
    for (const char *name : {"print", "dofile", "loadfile"}) {
        lua_pushnil(state);
        lua_setglobal(state, name);
    }
}

// Runs inside the protected call that sets everything up, so that running out of memory there
// is an error like any other.
int openEverything(lua_State *state)
{
    const auto libraries = static_cast<LuaLibraries>(lua_tointeger(state, 1));
    if (libraries == LuaLibraries::All)
        luaL_openlibs(state);
    else
        openContained(state);
    registerAnimationType(state);
    registerFrameType(state);
    registerPaletteType(state);
    pushLibrary(state);
    lua_setglobal(state, "tessa");
    installHost(state);
    return 0;
}

// tessa.document = the animation passed as light userdata.
int setDocumentField(lua_State *state)
{
    auto &animation = *static_cast<std::shared_ptr<ScriptAnimation> *>(lua_touserdata(state, 1));
    lua_getglobal(state, "tessa");
    pushAnimation(state, animation);
    lua_setfield(state, -2, "document");
    return 0;
}

// The message of an error object that is no string, as the `lua` interpreter gives it.
int errorMessage(lua_State *state)
{
    if (lua_type(state, 1) == LUA_TSTRING)
        return 1;
    if (luaL_callmeta(state, 1, "__tostring") && lua_type(state, -1) == LUA_TSTRING)
        return 1;
    lua_pushfstring(state, "(error object is a %s value)", luaL_typename(state, 1));
    return 1;
}

} // namespace

ScriptEngine::ScriptEngine(ScriptSettings settings)
    : m_context(std::make_unique<ScriptContext>(std::move(settings.context)))
    , m_memory(std::make_unique<LuaMemory>())
    , m_state(newLuaState(*m_memory, settings.limits))
{
    if (!m_state)
        return;
    lua_State *state = m_state.get();
    setContext(state, *m_context);
    lua_pushcfunction(state, openEverything);
    lua_pushinteger(state, static_cast<lua_Integer>(settings.libraries));
    if (lua_pcall(state, 1, 0, 0) != LUA_OK)
        m_state.reset();
}

std::optional<std::string> ScriptEngine::runFile(const std::string &path,
                                                 const std::vector<std::string> &arguments)
{
    if (!m_state)
        return "there was not enough memory to start the script";
    lua_State *state = m_state.get();
    lua_createtable(state, static_cast<int>(arguments.size()), 1);
    lua_pushlstring(state, path.data(), path.size());
    lua_rawseti(state, -2, 0);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        lua_pushlstring(state, arguments[i].data(), arguments[i].size());
        lua_rawseti(state, -2, static_cast<lua_Integer>(i + 1));
    }
    lua_setglobal(state, "arg");
    // Where files are asked about, require finds modules beside the script only.
    if (m_context->fileAccess) {
        if (lua_getglobal(state, "package") == LUA_TTABLE) {
            const std::string folder = textFromPath(pathFromText(path).parent_path());
            const std::string pattern = (folder.empty() ? std::string(".") : folder) + "/?.lua";
            lua_pushlstring(state, pattern.data(), pattern.size());
            lua_setfield(state, -2, "path");
        }
        lua_pop(state, 1);
    }

    const int status = luaL_loadfile(state, path.c_str());
    if (status == LUA_OK) {
        for (const std::string &argument : arguments)
            lua_pushlstring(state, argument.data(), argument.size());
    }
    return runLoaded(status, static_cast<int>(arguments.size()));
}

std::optional<std::string> ScriptEngine::runText(std::string_view text,
                                                 const std::string &chunkName)
{
    if (!m_state)
        return "there was not enough memory to start the script";
    const int status = luaL_loadbufferx(m_state.get(), text.data(), text.size(),
                                        ("=" + chunkName).c_str(), "t");
    return runLoaded(status, 0);
}

bool ScriptEngine::setDocument(std::shared_ptr<ScriptAnimation> animation)
{
    if (!m_state)
        return false;
    lua_State *state = m_state.get();
    lua_pushcfunction(state, setDocumentField);
    lua_pushlightuserdata(state, &animation);
    if (lua_pcall(state, 1, 0, 0) == LUA_OK)
        return true;
    lua_pop(state, 1);
    return false;
}

std::optional<std::string> ScriptEngine::runLoaded(int status, int argumentCount)
{
    lua_State *state = m_state.get();
    if (status == LUA_OK) {
        // The chunk and its arguments lie on top; the message handler goes below them.
        const int base = lua_gettop(state) - argumentCount;
        lua_pushcfunction(state, errorMessage);
        lua_insert(state, base);
        status = lua_pcall(state, argumentCount, 0, base);
        lua_remove(state, base);
    }
    if (status == LUA_OK)
        return std::nullopt;
    const char *message = lua_tostring(state, -1);
    std::string text = message ? message : "(error object is not a string)";
    lua_pop(state, 1);
    return text;
}

} // namespace tessa
