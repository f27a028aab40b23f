// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/phrase.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

struct lua_State;

namespace tessa {

struct LuaStateCloser
{
    void operator()(lua_State *state) const;
};

// A Lua state that closes itself.
using LuaStatePtr = std::unique_ptr<lua_State, LuaStateCloser>;

// What a state may use. The defaults are those of the `lua` interpreter: no limits.
struct LuaLimits
{
    std::size_t memoryBytes = 0;    // 0: as much as the machine gives
    std::uint64_t instructions = 0; // 0: no limit; else the script stops after about this many
    // Asked every 10,000 instructions or so, and as often from inside Lua's long calls, whether
    // the script may go on: "" lets it, anything else is why it stops (the user stopped it, its
    // time is up). Empty: it is never asked.
    std::function<std::string()> stopReason;
};

// What the state's allocator and hook keep beside it.
struct LuaMemory
{
    std::size_t used = 0;
    // Bytes the script holds outside Lua's heap (its frames), counted against the same limit.
    std::size_t outside = 0;
    std::size_t limit = 0;
    bool limitReached = false;     // an allocation was refused for the limit
    std::size_t framesAtStart = 0; // frames the program held when the state was made
    std::uint64_t instructionsLeft = 0;
    std::uint64_t instructionLimit = 0;
    std::function<std::string()> askStopReason;
    int hooksUntilAsking = 0;
    // Set once the script must stop: why. It is never let go on again after that.
    std::string stopped;
    // The same in the program's words, when a limit stopped it.
    Phrase stoppedSaid;
    // The thread the script's chunk runs in, while it runs.
    lua_State *scriptThread = nullptr;
};

// A fresh state allocating through `memory` (which must outlive it), with a hook that stops the
// script once it has run `limits.instructions` instructions or `limits.stopReason` says so.
// Nullptr when there is no memory.
//
// A stop cannot be caught by the script: from then on the hook runs at every instruction, in
// every coroutine, and leaves the script by yielding where it can (the engine runs the script as
// a coroutine, so the yield ends it, past every pcall) and by raising the reason where it cannot
// (inside a call from C), which then reaches a place where it can.
LuaStatePtr newLuaState(LuaMemory &memory, const LuaLimits &limits);

// The account of `state`, made by newLuaState.
LuaMemory &memoryOf(lua_State *state);

// Counts the frames the program holds beyond those it held when the state was made as the
// script's (`outside`): the script's own, its animations', what commands it ran made.
void countFramesHeld(lua_State *state);

// "the script used more than its limit of 1 GB of memory", for `limit` bytes.
Phrase memoryLimitPhrase(std::size_t limit);
std::string memoryLimitMessage(std::size_t limit);

// Why the script must stop, "" while it may go on, asking `limits.stopReason` now: for work that
// runs long outside Lua (a movie being written), which asks it every so often.
const std::string &stopReasonOf(lua_State *state);

} // namespace tessa
