// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any text run as a script with the tessa library: whatever it calls, with whatever arguments,
// must end in a result or an error, never a crash. Files are off limits, and memory, frames and
// instructions are bounded, so that every input ends soon and small.
#include "fuzzcheck.h"
#include "scripting/scriptengine.h"

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
    settings.libraries = LuaLibraries::Contained;
    ScriptEngine engine(std::move(settings));
    require(engine.ready(), "a state with the library loaded");
    const auto failure =
            engine.runText(std::string_view(reinterpret_cast<const char *>(data), size), "fuzz");
    require(!failure || !failure->empty(), "an error says what went wrong");
    return 0;
}
