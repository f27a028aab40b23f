// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "luastate.h"

#include <lua.hpp>

#include <cstdlib>

namespace tessa {

namespace {

// Instructions between two calls of the hook: small enough that a limit is kept to within it,
// large enough that counting costs nothing measurable.
constexpr int kHookInterval = 1000;
// Hook calls between two questions whether the script may go on.
constexpr int kHooksPerQuestion = 10;

void *allocate(void *userData, void *block, std::size_t oldSize, std::size_t newSize)
{
    auto &memory = *static_cast<LuaMemory *>(userData);
    // For a new block Lua passes the kind of object as oldSize, not a size.
    const std::size_t previous = block ? oldSize : 0;
    if (newSize == 0) {
        std::free(block);
        memory.used -= previous;
        return nullptr;
    }
    if (memory.limit != 0 && newSize > previous && memory.used - previous + newSize > memory.limit)
        return nullptr;
    void *moved = std::realloc(block, newSize);
    if (moved)
        memory.used = memory.used - previous + newSize;
    return moved;
}

LuaMemory &memoryOf(lua_State *state)
{
    void *userData = nullptr;
    lua_getallocf(state, &userData);
    return *static_cast<LuaMemory *>(userData);
}

void countInstructions(lua_State *state, lua_Debug *)
{
    LuaMemory &memory = memoryOf(state);
    if (memory.keepGoing && --memory.hooksUntilAsking <= 0) {
        memory.hooksUntilAsking = kHooksPerQuestion;
        if (!memory.keepGoing())
            luaL_error(state, "the script was stopped");
    }
    if (memory.instructionLimit == 0)
        return;
    if (memory.instructionsLeft > kHookInterval) {
        memory.instructionsLeft -= kHookInterval;
        return;
    }
    luaL_error(state, "the script ran longer than its limit of %I instructions",
               static_cast<lua_Integer>(memory.instructionLimit));
}

} // namespace

void LuaStateCloser::operator()(lua_State *state) const
{
    lua_close(state);
}

LuaStatePtr newLuaState(LuaMemory &memory, const LuaLimits &limits)
{
    memory.limit = limits.memoryBytes;
    memory.instructionLimit = limits.instructions;
    memory.instructionsLeft = limits.instructions;
    memory.keepGoing = limits.keepGoing;
    memory.hooksUntilAsking = kHooksPerQuestion;
    LuaStatePtr state(lua_newstate(allocate, &memory));
    if (state && (limits.instructions != 0 || limits.keepGoing))
        lua_sethook(state.get(), countInstructions, LUA_MASKCOUNT, kHookInterval);
    return state;
}

} // namespace tessa
