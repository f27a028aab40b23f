// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "luastate.h"

#include "document/framestore.h"
#include "stoppablelib.h"

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
    if (memory.limit != 0 && newSize > previous
        && memory.used - previous + newSize + memory.outside > memory.limit) {
        memory.limitReached = true;
        return nullptr;
    }
    void *moved = std::realloc(block, newSize);
    if (moved)
        memory.used = memory.used - previous + newSize;
    return moved;
}

// The question itself must not raise: it runs inside the hook and inside Lua's own functions.
void ask(LuaMemory &memory)
{
    if (!memory.stopped.empty() || !memory.askStopReason)
        return;
    try {
        memory.stopped = memory.askStopReason();
    } catch (const std::exception &error) {
        memory.stopped = error.what();
    } catch (...) {
        memory.stopped = "the script was stopped";
    }
}

void watch(lua_State *state, lua_Debug *);

// From now on every instruction of the script comes to the hook, until the script is left.
void armStop(lua_State *state, LuaMemory &memory)
{
    lua_sethook(state, watch, LUA_MASKCOUNT, 1);
    if (memory.scriptThread && memory.scriptThread != state)
        lua_sethook(memory.scriptThread, watch, LUA_MASKCOUNT, 1);
}

void watch(lua_State *state, lua_Debug *)
{
    LuaMemory &memory = memoryOf(state);
    if (memory.stopped.empty()) {
        if (memory.instructionLimit != 0) {
            if (memory.instructionsLeft > kHookInterval) {
                memory.instructionsLeft -= kHookInterval;
            } else {
                memory.stoppedSaid = Phrase(
                        TESSA_WORDS("tessa::Notice",
                                    "the script ran longer than its limit of %1 instructions"),
                        {std::to_string(memory.instructionLimit)});
                memory.stopped = memory.stoppedSaid.english();
            }
        }
        if (--memory.hooksUntilAsking <= 0) {
            memory.hooksUntilAsking = kHooksPerQuestion;
            // Frames the script let go count no more.
            if (memory.limit != 0)
                countFramesHeld(state);
            ask(memory);
        }
        if (memory.stopped.empty())
            return;
    }
    armStop(state, memory);
    if (lua_isyieldable(state)) {
        lua_yield(state, 0);
        return;
    }
    luaL_error(state, "%s", memory.stopped.c_str());
}

} // namespace

void LuaStateCloser::operator()(lua_State *state) const
{
    lua_close(state);
}

LuaMemory &memoryOf(lua_State *state)
{
    void *userData = nullptr;
    lua_getallocf(state, &userData);
    return *static_cast<LuaMemory *>(userData);
}

void countFramesHeld(lua_State *state)
{
    LuaMemory &memory = memoryOf(state);
    const std::size_t held = FrameStore::shared().usage().slotsInUse;
    memory.outside = held > memory.framesAtStart
                             ? (held - memory.framesAtStart) * FrameStore::kSlotBytes
                             : 0;
}

Phrase memoryLimitPhrase(std::size_t limit)
{
    constexpr std::size_t kMegabyte = std::size_t(1) << 20;
    constexpr std::size_t kGigabyte = std::size_t(1) << 30;
    if (limit % kGigabyte == 0)
        return {TESSA_WORDS("tessa::Notice",
                            "the script used more than its limit of %1 GB of memory"),
                {std::to_string(limit / kGigabyte)}};
    if (limit % kMegabyte == 0)
        return {TESSA_WORDS("tessa::Notice",
                            "the script used more than its limit of %1 MB of memory"),
                {std::to_string(limit / kMegabyte)}};
    return {TESSA_WORDS("tessa::Notice",
                        "the script used more than its limit of %1 bytes of memory"),
            {std::to_string(limit)}};
}

std::string memoryLimitMessage(std::size_t limit)
{
    return memoryLimitPhrase(limit).english();
}

const std::string &stopReasonOf(lua_State *state)
{
    LuaMemory &memory = memoryOf(state);
    if (memory.stopped.empty()) {
        ask(memory);
        if (!memory.stopped.empty())
            armStop(state, memory);
    }
    return memory.stopped;
}

LuaStatePtr newLuaState(LuaMemory &memory, const LuaLimits &limits)
{
    memory.limit = limits.memoryBytes;
    memory.instructionLimit = limits.instructions;
    memory.instructionsLeft = limits.instructions;
    memory.askStopReason = limits.stopReason;
    memory.hooksUntilAsking = kHooksPerQuestion;
    memory.framesAtStart = FrameStore::shared().usage().slotsInUse;
    LuaStatePtr state(lua_newstate(allocate, &memory));
    // Coroutines the script makes take the hook of the thread that makes them.
    if (state && (limits.instructions != 0 || limits.stopReason || limits.memoryBytes != 0))
        lua_sethook(state.get(), watch, LUA_MASKCOUNT, kHookInterval);
    return state;
}

} // namespace tessa

extern "C" const char *tessa_lua_stop_reason(lua_State *L)
{
    const std::string &reason = tessa::stopReasonOf(L);
    return reason.empty() ? nullptr : reason.c_str();
}
