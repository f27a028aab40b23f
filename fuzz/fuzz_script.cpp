// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes run as a script with the tessa library, contained as the editor contains a script:
// whatever it calls, with whatever arguments, must end in a result or an error, never a crash
// or a hang. Files are off limits, and memory, frames, instructions and time are bounded, so
// that every input ends soon and small; a script that would run on regardless (a pattern that
// backtracks for minutes, a loop inside pcall) is stopped by the time limit.
#include "fuzzcheck.h"
#include "scripting/scriptengine.h"

#include <chrono>
#include <string_view>

using namespace tessa;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ScriptSettings settings;
    settings.context.mayUseFiles = false;
    settings.context.frameLimit = 64;
    settings.limits.memoryBytes = 32u << 20;
    settings.limits.instructions = 200'000;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    settings.limits.stopReason = [deadline] {
        return std::chrono::steady_clock::now() < deadline ? std::string() : "out of time";
    };
    settings.libraries = LuaLibraries::Contained;
    ScriptEngine engine(std::move(settings));
    require(engine.ready(), "a state with the library loaded");
    const auto failure =
            engine.runText(std::string_view(reinterpret_cast<const char *>(data), size), "fuzz");
    require(!failure || !failure->empty(), "an error says what went wrong");
    return 0;
}
