// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "luastate.h"
#include "scriptanimation.h"
#include "scriptobjects.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessa {

// The largest script file read: far beyond any a person writes, short of what fills the memory.
inline constexpr std::uint64_t kMostScriptFileBytes = 64ull << 20;

// How a script gets Lua's own libraries: all of them, as the `lua` interpreter gives them, for
// what a user runs on purpose; or contained (containment.h), for a script from anywhere: the
// editor's and `tessanim run --safe`'s. A contained script reaches files only through
// context.fileAccess, and none when it is not set.
enum class LuaLibraries { All, Contained };

struct ScriptSettings
{
    ScriptContext context;
    LuaLimits limits;
    LuaLibraries libraries = LuaLibraries::All;
};

// One Lua state with the tessa library loaded (the global table `tessa`), in which scripts run.
// The tessanim command `run` and the editor run their scripts through it.
class ScriptEngine
{
public:
    explicit ScriptEngine(ScriptSettings settings);
    ScriptEngine(const ScriptEngine &) = delete;
    ScriptEngine &operator=(const ScriptEngine &) = delete;

    // Whether the state could be made (there was memory for it).
    bool ready() const { return m_state != nullptr; }

    // Runs the script file `path` as the `lua` interpreter runs one: `arguments` are the
    // chunk's `...` and arg[1..n] of the global table `arg`, whose arg[0] is `path`. Nothing
    // when it ran to its end; otherwise the error, starting with the file's name and the line
    // where the script failed, or why it was stopped. A contained script must be text, not a
    // precompiled chunk. A file larger than kMostScriptFileBytes is refused unread.
    std::optional<std::string> runFile(const std::string &path,
                                       const std::vector<std::string> &arguments);
    // Runs `text` as a chunk named `chunkName` (in messages: chunkName:line:).
    std::optional<std::string> runText(std::string_view text, const std::string &chunkName);
    // The last run's failure in the program's words, when a limit of the script's ended it (its
    // time or its memory; where the script was then stays as it is), so that the editor can say
    // it in the user's language; an empty phrase when the failure was the script's own.
    const Phrase &failureSaid() const { return m_failureSaid; }

    // Makes `animation` the script's `tessa.document`: the editor's open document, which the
    // script changes in place and the editor takes back once it has run. False when there was
    // no memory for it.
    bool setDocument(std::shared_ptr<ScriptAnimation> animation);

private:
    // Runs the chunk (loaded with `status`) and the `argumentCount` values above it as a
    // coroutine, so that a stop leaves it from wherever it is, past the script's own pcalls.
    std::optional<std::string> runLoaded(int status, int argumentCount);
    // The text of the error on top of `thread`'s stack, popped.
    std::string errorText(lua_State *thread, int status);
    const char *loadMode() const;
    // The failure's phrase, if it is one of the limits'.
    Phrase limitPhrase(const std::string &failure) const;

    // The context and the allocator's account live as long as the state, which they outlive.
    std::unique_ptr<ScriptContext> m_context;
    Phrase m_failureSaid;
    std::unique_ptr<LuaMemory> m_memory;
    LuaLibraries m_libraries;
    LuaStatePtr m_state;
};

} // namespace tessa
