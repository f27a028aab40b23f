// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

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
    std::uint64_t instructions = 0; // 0: no limit; else the script fails after about this many
    // Asked every 10,000 instructions or so whether the script may go on: false stops it (the
    // user stopped it). Empty: it is never asked.
    std::function<bool()> keepGoing;
};

// The memory a state has allocated, kept beside it so that a limit can be enforced.
struct LuaMemory
{
    std::size_t used = 0;
    std::size_t limit = 0;
    std::uint64_t instructionsLeft = 0;
    std::uint64_t instructionLimit = 0;
    std::function<bool()> keepGoing;
    int hooksUntilAsking = 0;
};

// A fresh state allocating through `memory` (which must outlive it), with a hook that ends the
// script once it has run `limits.instructions` instructions. Nullptr when there is no memory.
LuaStatePtr newLuaState(LuaMemory &memory, const LuaLimits &limits);

} // namespace tessa
