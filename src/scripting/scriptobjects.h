// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/pixelbuffer.h"
#include "imaging/palette.h"
#include "scriptanimation.h"
#include "scriptmedia.h"

#include <cstdint>
#include <memory>

// The C++ objects behind the script's values, and what every binding shares.
namespace tessa {

// What the running script may do, kept in the state's registry for the bindings.
struct ScriptContext
{
    ScriptMedia media;
    // Off for scripts that must not touch files (the fuzz target): every call that reads or
    // writes one fails instead.
    bool mayUseFiles = true;
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
