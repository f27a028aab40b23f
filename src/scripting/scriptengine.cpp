// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptengine.h"

#include "bindings.h"
#include "bindingsupport.h"
#include "containment.h"
#include "document/fileio.h"
#include "document/nativefile.h"

#include <lua.hpp>

namespace tessa {

namespace {

// Runs inside the protected call that sets everything up, so that running out of memory there
// is an error like any other.
int openEverything(lua_State *state)
{
    const auto libraries = static_cast<LuaLibraries>(lua_tointeger(state, 1));
    luaL_openlibs(state);
    registerAnimationType(state);
    registerFrameType(state);
    registerPaletteType(state);
    pushLibrary(state);
    lua_setglobal(state, "tessa");
    installHost(state);
    if (libraries == LuaLibraries::Contained)
        containLibraries(state);
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
    , m_libraries(settings.libraries)
    , m_state(newLuaState(*m_memory, settings.limits))
{
    if (!m_state)
        return;
    // A contained script reaches no file nobody vouched for.
    if (m_libraries == LuaLibraries::Contained && !m_context->fileAccess)
        m_context->mayUseFiles = false;
    lua_State *state = m_state.get();
    setContext(state, *m_context);
    lua_pushcfunction(state, openEverything);
    lua_pushinteger(state, static_cast<lua_Integer>(m_libraries));
    if (lua_pcall(state, 1, 0, 0) != LUA_OK)
        m_state.reset();
}

namespace {

// A script as Lua runs a file: without a UTF-8 byte order mark, and with a first line that starts
// with '#' (as in "#!/usr/bin/env tessanim") left empty, so that line numbers stay the file's.
std::string scriptChunk(const std::vector<std::uint8_t> &bytes)
{
    std::string text(bytes.begin(), bytes.end());
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    if (text.starts_with('#')) {
        const auto end = text.find('\n');
        text.erase(0, end == std::string::npos ? text.size() : end);
    }
    return text;
}

} // namespace

const char *ScriptEngine::loadMode() const
{
    // Lua trusts the bytes of a precompiled chunk: one made by hand reads and writes anywhere in
    // memory.
    return m_libraries == LuaLibraries::Contained ? "t" : nullptr;
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
    // A contained script's require finds modules beside the script.
    if (m_libraries == LuaLibraries::Contained) {
        if (lua_getglobal(state, "package") == LUA_TTABLE) {
            const std::string folder = textFromPath(pathFromText(path).parent_path());
            const std::string pattern =
                    (folder.empty() ? std::string(".") : folder) + LUA_DIRSEP + "?.lua";
            lua_pushlstring(state, pattern.data(), pattern.size());
            lua_setfield(state, -2, "path");
        }
        lua_pop(state, 1);
    }

    const auto text = readWholeFile(path, kMostScriptFileBytes);
    if (!text)
        return text.error().text();
    // Named by the file's name alone: Lua cuts a longer name short in its messages, and a script
    // knows its own folder from arg[0].
    const std::string chunk = scriptChunk(*text);
    const std::string name = "@" + textFromPath(pathFromText(path).filename());
    const int status =
            luaL_loadbufferx(state, chunk.data(), chunk.size(), name.c_str(), loadMode());
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
                                        ("=" + chunkName).c_str(), loadMode());
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
    m_failureSaid = {};
    lua_State *state = m_state.get();
    if (status != LUA_OK) {
        std::string failure = errorText(state, status);
        m_failureSaid = limitPhrase(failure);
        return failure;
    }
    // The chunk and its arguments lie on top: they move to a thread of their own.
    const int base = lua_gettop(state) - argumentCount;
    lua_State *thread = lua_newthread(state);
    lua_insert(state, base);
    lua_xmove(state, thread, argumentCount + 1);
    int results = 0;
    m_memory->scriptThread = thread;
    status = lua_resume(thread, state, argumentCount, &results);
    m_memory->scriptThread = nullptr;

    std::optional<std::string> failure;
    if (!m_memory->stopped.empty()) {
        // Stopped: no more of the script runs, not even its __close handlers.
        failure = m_memory->stopped;
    } else if (status == LUA_YIELD) {
        failure = "attempt to yield from outside a coroutine";
    } else if (status != LUA_OK) {
        failure = errorText(thread, status);
        // Its to-be-closed variables are closed, as a protected call closes them.
        lua_resetthread(thread);
    }
    lua_settop(state, base - 1);
    if (failure)
        m_failureSaid = limitPhrase(*failure);
    return failure;
}

Phrase ScriptEngine::limitPhrase(const std::string &failure) const
{
    if (m_memory->stoppedSaid.kind == Phrase::Kind::Said && failure == m_memory->stopped)
        return m_memory->stoppedSaid;
    if (m_memory->limit == 0)
        return {};
    // Where the script was when its memory ran out stays as Lua wrote it.
    const Phrase limit = memoryLimitPhrase(m_memory->limit);
    const std::string english = limit.english();
    if (!failure.ends_with(english))
        return {};
    const std::string where = failure.substr(0, failure.size() - english.size());
    // Two parts side by side: no words to translate.
    return where.empty() ? limit : Phrase(Words{"%1%2"}, {where, limit});
}

std::string ScriptEngine::errorText(lua_State *thread, int status)
{
    lua_State *state = m_state.get();
    if (status == LUA_ERRMEM && m_memory->limitReached)
        return memoryLimitMessage(m_memory->limit);
    std::string text = "(error object is not a string)";
    if (lua_type(thread, -1) == LUA_TSTRING) {
        text = lua_tostring(thread, -1);
    } else {
        // Its __tostring is the script's: it runs protected, on the program's own thread.
        lua_pushcfunction(state, errorMessage);
        if (thread == state)
            lua_insert(state, -2);
        else
            lua_xmove(thread, state, 1);
        if (lua_pcall(state, 1, 1, 0) == LUA_OK && lua_type(state, -1) == LUA_TSTRING)
            text = lua_tostring(state, -1);
        lua_pop(state, 1);
        return text;
    }
    lua_pop(thread, 1);
    return text;
}

} // namespace tessa
