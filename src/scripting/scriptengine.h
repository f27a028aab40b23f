// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "luastate.h"
#include "scriptanimation.h"
#include "scriptobjects.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessa {

// Which of Lua's own libraries a script gets: all of them, as the `lua` interpreter gives them,
// or only those that touch nothing outside the state (no io, os, debug, package; no print,
// dofile or loadfile), for text from anywhere.
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
    // when it ran to its end; otherwise the error, starting with the file and line where the
    // script failed.
    std::optional<std::string> runFile(const std::string &path,
                                       const std::vector<std::string> &arguments);
    // Runs `text` as a chunk named `chunkName` (in messages: chunkName:line:).
    std::optional<std::string> runText(std::string_view text, const std::string &chunkName);

    // Makes `animation` the script's `tessa.document`: the editor's open document, which the
    // script changes in place and the editor takes back once it has run. False when there was
    // no memory for it.
    bool setDocument(std::shared_ptr<ScriptAnimation> animation);

private:
    std::optional<std::string> runLoaded(int status, int argumentCount);

    // The context and the allocator's account live as long as the state, which they outlive.
    std::unique_ptr<ScriptContext> m_context;
    std::unique_ptr<LuaMemory> m_memory;
    LuaStatePtr m_state;
};

} // namespace tessa
