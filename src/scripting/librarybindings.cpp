// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The functions of the global table `tessa`: animations, frames and palettes to start from, and
// patches between animations.
#include "bindings.h"
#include "bindingsupport.h"
#include "document/animfile.h"
#include "document/fileio.h"
#include "document/nativefile.h"
#include "document/paths.h"
#include "imaging/bmp.h"
#include "imaging/imagecolors.h"
#include "imaging/paletteloader.h"
#include "patch/patchapplier.h"
#include "patch/patchformat.h"
#include "patch/patchmaker.h"
#include "patch/patchreader.h"
#include "patch/patchwriter.h"

#include <algorithm>
#include <filesystem>
#include <limits>

namespace tessa {

namespace {

// The file `path`, of a kind no larger than `mostBytes`.
std::vector<std::uint8_t> readFile(lua_State *state, const std::string &path,
                                   std::uint64_t mostBytes)
{
    const std::string file = checkFileAccess(state, path, FileAccess::Read, "reading a file");
    auto bytes = readWholeFile(file, mostBytes);
    if (!bytes)
        failWith(fileFailureNotice(bytes.error()));
    return std::move(*bytes);
}

int tessaOpen(lua_State *state)
{
    const std::string path = checkString(state, 1, "path");
    const std::string file = checkFileAccess(state, path, FileAccess::Read, "opening an animation");
    auto items = loadAnimation(file);
    if (!items)
        failWith(items.error());
    spendFrames(state, imageCount(*items));
    pushAnimation(state, std::make_shared<ScriptAnimation>(std::move(*items), path));
    return 1;
}

int tessaNew(lua_State *state)
{
    pushAnimation(state, std::make_shared<ScriptAnimation>(newAnimationItems()));
    return 1;
}

// tessa.frame([index | bytes | frame]): a frame of its own, filled with one index (0 when none is
// given), or a copy.
int tessaFrame(lua_State *state)
{
    if (lua_isnoneornil(state, 1)) {
        pushOwnFrame(state, PixelBuffer(kFrameSize, 0));
    } else if (lua_type(state, 1) == LUA_TNUMBER) {
        pushOwnFrame(state, PixelBuffer(kFrameSize, checkIndex(state, 1, "index")));
    } else if (lua_type(state, 1) == LUA_TSTRING) {
        std::size_t length = 0;
        const char *bytes = lua_tolstring(state, 1, &length);
        if (length != static_cast<std::size_t>(kFrameSize))
            failArgument(1,
                         "a frame's string must hold 64000 bytes, not " + std::to_string(length));
        pushOwnFrame(state, PixelBuffer(bytes, bytes + length));
    } else {
        pushOwnFrame(state, checkFramePixels(state, 1));
    }
    return 1;
}

ImageColors checkColors(lua_State *state, int argument)
{
    const std::string rule = optionalString(state, argument, "colours", "keep");
    if (const auto colors = imageColorsNamed(rule))
        return *colors;
    failArgument(argument, "colours must be keep, match or dither, not \"" + rule + "\"");
}

// tessa.image(path [, "keep"|"match"|"dither" [, palette]]): the frame of an image file, as
// Import Image and a manifest's image line take it.
int tessaImage(lua_State *state)
{
    const std::string path = checkString(state, 1, "path");
    const ImageColors colors = checkColors(state, 2);
    const PaletteColors palette = paletteArgument(state, 3);
    // The game's own BMP frames, taken by their indices, need no image library.
    if (colors == ImageColors::Keep) {
        const auto file = readFile(state, path, kMostImageFileBytes);
        if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M') {
            auto pixels = RemoveBMPHeader(file);
            if (!pixels)
                failWith(pixels.error());
            pushOwnFrame(state, PixelBuffer(*pixels));
            return 1;
        }
    }
    const std::string file = checkFileAccess(state, path, FileAccess::Read, "reading an image");
    const ScriptMedia &media = contextOf(state).media;
    if (!media.importImage)
        fail("reading the image \"" + path
             + "\" needs the image libraries, which this program "
               "was built without; use 8-bit 320 x 200 BMP files");
    auto pixels = media.importImage(file, colors, palette);
    if (!pixels)
        failWith(pixels.error());
    pushOwnFrame(state, PixelBuffer(*pixels));
    return 1;
}

// tessa.movie(path [, options]): the animation `tessanim encode` makes of a movie, a folder of
// numbered pictures or a pattern of them.
int tessaMovie(lua_State *state)
{
    const std::string path = checkString(state, 1, "path");
    MovieImport choices;
    const double quality = numberField(state, 2, "quality", choices.quality);
    if (quality < 0 || quality > 100 || quality != static_cast<int>(quality))
        failArgument(2, "quality must be a whole number from 0 to 100");
    choices.quality = static_cast<int>(quality);
    const double maxBytes = numberField(state, 2, "maxBytes", 0);
    if (!(maxBytes >= 0 && maxBytes < 1e15)
        || maxBytes != static_cast<double>(std::uint64_t(maxBytes)))
        failArgument(2, "maxBytes must be a whole number of bytes, 0 for no limit");
    choices.maxBytes = static_cast<std::uint64_t>(maxBytes);
    if (const std::string fit = stringField(state, 2, "fit"); !fit.empty())
        choices.fit = fit;
    choices.fps = numberField(state, 2, "fps", choices.fps);
    choices.from = numberField(state, 2, "from", choices.from);
    choices.to = numberField(state, 2, "to", choices.to);
    choices.tickRate = numberField(state, 2, "tickRate", choices.tickRate);
    choices.pauseMultiplier = numberField(state, 2, "pauseMultiplier", choices.pauseMultiplier);
    optionalField(state, 2, "palette");
    const PaletteColors palette = paletteArgument(state, lua_gettop(state));
    lua_pop(state, 1);
    const std::string file = checkFileAccess(state, path, FileAccess::Read, "reading a movie");
    const ScriptMedia &media = contextOf(state).media;
    if (!media.importMovie)
        fail("reading the movie \"" + path
             + "\" needs the movie libraries, which this program was built without");
    const auto encoded = media.importMovie(file, choices, palette, goOnWhileAllowed(state));
    if (!encoded)
        failWith(encoded.error());
    auto items = readAnimation(*encoded);
    if (!items)
        failWith(items.error());
    spendFrames(state, imageCount(*items));
    pushAnimation(state, std::make_shared<ScriptAnimation>(std::move(*items)));
    return 1;
}

int tessaPalette(lua_State *state)
{
    if (lua_isnoneornil(state, 1))
        failArgument(1, "a palette name expected: main, extra or a palette file");
    pushPalette(state, paletteArgument(state, 1));
    return 1;
}

// The bytes of the animation file an argument stands for (an animation, or a file's path), and
// the name messages give it.
std::pair<std::vector<std::uint8_t>, std::string> animationFile(lua_State *state, int argument)
{
    if (lua_type(state, argument) == LUA_TSTRING) {
        const std::string path = checkString(state, argument, "animation");
        return {readFile(state, path, kMostAnimationFileBytes), GetFileName(path)};
    }
    const ScriptAnimation &animation = checkAnimation(state, argument);
    auto bytes = writeAnimation(animation.items());
    if (!bytes)
        failWith(bytes.error());
    const std::string name =
            animation.path().empty() ? "the new animation" : GetFileName(animation.path());
    return {std::move(*bytes), name};
}

// tessa.diff(original, changed, patchPath): the patch `tessanim diff` writes for two files.
int tessaDiff(lua_State *state)
{
    const auto original = animationFile(state, 1);
    const auto changed = animationFile(state, 2);
    const std::string patchPath = checkString(state, 3, "patch path");
    const std::string file =
            checkFileAccess(state, patchPath, FileAccess::Write, "writing a patch");
    const auto patch = makePatch(original.first, changed.first, changed.second);
    if (!patch)
        failWith(patch.error());
    if (const auto written = replaceFile(file, writePatch(*patch), Backup::None); !written)
        failWith(fileFailureNotice(written.error()));
    return 0;
}

// tessa.patch(original, patchPath): the animation the patch makes of `original`.
int tessaPatch(lua_State *state)
{
    const auto original = animationFile(state, 1);
    const std::string patchPath = checkString(state, 2, "patch path");
    const std::string patchName = GetFileName(patchPath);
    const auto patch = readPatch(readFile(state, patchPath, kMostPatchFileBytes), patchName);
    if (!patch)
        failWith(patch.error());
    const auto made = applyPatch(*patch, original.first, original.second, patchName);
    if (!made)
        failWith(made.error());
    auto items = readAnimation(*made);
    if (!items)
        failWith(items.error());
    spendFrames(state, imageCount(*items));
    std::string path;
    if (lua_type(state, 1) == LUA_TSTRING)
        path = checkString(state, 1, "animation");
    else
        path = checkAnimation(state, 1).path();
    pushAnimation(state, std::make_shared<ScriptAnimation>(std::move(*items), path));
    return 1;
}

// tessa.exportName(animationPath, line [, extension]): the name Export gives the image on that
// line (EANIM.QLM, line 3: EANIM-QLM-3.bmp).
int tessaExportName(lua_State *state)
{
    const std::string path = checkString(state, 1, "animation path");
    const auto line = checkIntegerIn(state, 2, "line", 1, std::numeric_limits<int>::max());
    const std::string extension = optionalString(state, 3, "extension", ".bmp");
    const std::string name = exportFileNameAs(path, static_cast<int>(line - 1), extension);
    lua_pushlstring(state, name.data(), name.size());
    return 1;
}

// tessa.files(folder): the names of the files in a folder (not its subfolders), sorted, for
// scripts that treat every animation of a folder alike.
int tessaFiles(lua_State *state)
{
    const std::string folder = checkString(state, 1, "folder");
    const std::string resolved =
            checkFileAccess(state, folder, FileAccess::Read, "listing a folder");
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(pathFromText(resolved), error), end;
         !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored))
            names.push_back(textFromPath(it->path().filename()));
    }
    if (error)
        fail("could not read the folder \"" + folder + "\": " + error.message());
    std::sort(names.begin(), names.end());
    pushStringList(state, names);
    return 1;
}

} // namespace

void pushLibrary(lua_State *state)
{
    static const luaL_Reg functions[] = {{"open", guarded<tessaOpen>},
                                         {"new", guarded<tessaNew>},
                                         {"frame", guarded<tessaFrame>},
                                         {"image", guarded<tessaImage>},
                                         {"movie", guarded<tessaMovie>},
                                         {"palette", guarded<tessaPalette>},
                                         {"diff", guarded<tessaDiff>},
                                         {"patch", guarded<tessaPatch>},
                                         {"exportName", guarded<tessaExportName>},
                                         {"files", guarded<tessaFiles>},
                                         {nullptr, nullptr}};
    lua_newtable(state);
    luaL_setfuncs(state, functions, 0);
    lua_pushstring(state, TESSA_VERSION);
    lua_setfield(state, -2, "version");
    lua_pushinteger(state, kFrameWidth);
    lua_setfield(state, -2, "width");
    lua_pushinteger(state, kFrameHeight);
    lua_setfield(state, -2, "height");
}

} // namespace tessa
