// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands.h"
#include "imageformats.h"

// tessanim's uses of the image and movie libraries as one table of functions. On Linux they live
// in a module of their own (tessanim-media.so) that tessanim loads only when a command needs one:
// Qt Gui and FFmpeg bring some 150 shared libraries, whose loading took a third of a resave.
namespace tessa {

struct MediaFunctions
{
    const char *version; // TESSA_VERSION of the module, which must be tessanim's own
    decltype(&manifestImagePixels) imagePixels;
    decltype(&writeFramePng) framePng;
    decltype(&renderItems) render;
    decltype(&encodeCommand) encode;
    decltype(&manifestMovieAnimation) movieAnimation;
    decltype(&soundCommand) sound;
    decltype(&writeSoundFile) soundFile;
};

// The refusal of a command that needs the image libraries when they are not there, and why.
inline Unexpected<Notice> mediaRefusal(const std::string &what, const std::string &why)
{
    return Unexpected{Notice::failure("Error", what + " needs the image libraries, " + why
                                                       + ". Use 8-bit 320 x 200 BMP files, or "
                                                         "a build that has them.")};
}

} // namespace tessa

// The module's one entry point.
extern "C" const tessa::MediaFunctions *tessanimMediaFunctions();
