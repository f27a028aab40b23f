// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/pixelbuffer.h"
#include "imaging/palette.h"
#include "scriptanimation.h"
#include "scriptmedia.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The C++ objects behind the script's values, and what every binding shares.
namespace tessa {

enum class FileAccess { Read, Write };

// What the running script may do, kept in the state's registry for the bindings.
struct ScriptContext
{
    ScriptMedia media;
    // Off for scripts that must not touch files (the fuzz target): every call that reads or
    // writes one fails instead.
    bool mayUseFiles = true;
    // Asked before the script reaches a file, through the tessa library or Lua's io, os and
    // require: the path to open (the file as the system resolves it), or why not. Empty: every
    // file may be reached by the path given (a contained script then reaches none).
    std::function<Expected<std::string, std::string>(std::string_view path, FileAccess access)>
            fileAccess;
    // False where ending the process would end more than the script (the editor): os.exit
    // fails instead.
    bool mayExit = true;
    // tessa.ask(prompt [, default]): the line the user typed, nothing when they cancelled.
    // Empty: tessa.ask fails, there is no one to ask.
    std::function<std::optional<std::string>(const std::string &prompt,
                                             const std::string &defaultText)>
            ask;
    // tessa.message(text): shown to the user. Empty: a line on standard output.
    std::function<void(const std::string &text)> message;
    // The program's commands, app.command.NAME(): "" when NAME ran, else why it did not.
    // No names: there is no table `app`.
    std::vector<std::string> commandNames;
    std::function<std::string(const std::string &name)> runCommand;
    // The line selected where the script was started (1-based; 0: none), as tessa.selected.
    int selectedLine = 0;
    // The most frames a script may make (opened, copied, inserted), 0 for no limit: frames live
    // outside Lua's memory, which its own limit does not see.
    std::uint64_t frameLimit = 0;
    std::uint64_t framesMade = 0;
};

// A script's animation: shared by the frames taken from it.
struct AnimationObject
{
    std::shared_ptr<ScriptAnimation> animation;
};

// A frame: the image of an item of an animation (changes go straight into it), or a frame of
// its own (tessa.frame, tessa.image, frame:clone).
struct FrameObject
{
    std::shared_ptr<ScriptAnimation> animation;
    std::uint64_t id = 0;
    int hint = 0;
    std::shared_ptr<PixelBuffer> own;
};

struct PaletteObject
{
    PaletteColors colors{};
};

inline constexpr const char *kAnimationType = "tessa.animation";
inline constexpr const char *kFrameType = "tessa.frame";
inline constexpr const char *kPaletteType = "tessa.palette";

} // namespace tessa
