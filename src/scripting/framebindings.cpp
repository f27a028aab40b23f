// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// frame:get, frame:set, ...: the pixels of one image, 320 x 200 indices, (0, 0) the top left.
#include "bindings.h"
#include "bindingsupport.h"
#include "document/animfile.h"
#include "document/fileio.h"
#include "framepixels.h"
#include "imaging/bmp.h"

#include <cstring>

namespace tessa {

namespace {

int checkX(lua_State *state, int argument)
{
    return static_cast<int>(checkIntegerIn(state, argument, "x", 0, kFrameWidth - 1));
}

int checkY(lua_State *state, int argument)
{
    return static_cast<int>(checkIntegerIn(state, argument, "y", 0, kFrameHeight - 1));
}

// x, y, width, height at `argument` on: a rectangle that lies inside the frame.
PixelRect checkRect(lua_State *state, int argument)
{
    PixelRect rect;
    rect.x = checkX(state, argument);
    rect.y = checkY(state, argument + 1);
    rect.width =
            static_cast<int>(checkIntegerIn(state, argument + 2, "width", 0, kFrameWidth - rect.x));
    rect.height = static_cast<int>(
            checkIntegerIn(state, argument + 3, "height", 0, kFrameHeight - rect.y));
    return rect;
}

std::size_t pixelAt(int x, int y)
{
    return static_cast<std::size_t>(y) * kFrameWidth + static_cast<std::size_t>(x);
}

int frameGet(lua_State *state)
{
    const PixelBuffer &pixels = checkFramePixels(state, 1);
    lua_pushinteger(state, pixels[pixelAt(checkX(state, 2), checkY(state, 3))]);
    return 1;
}

int frameSet(lua_State *state)
{
    PixelBuffer &pixels = checkFramePixels(state, 1);
    const std::size_t at = pixelAt(checkX(state, 2), checkY(state, 3));
    pixels[at] = checkIndex(state, 4, "index");
    return 0;
}

int frameFill(lua_State *state)
{
    PixelBuffer &pixels = checkFramePixels(state, 1);
    // Only an index: the whole frame.
    if (lua_gettop(state) == 2) {
        std::memset(pixels.data(), checkIndex(state, 2, "index"), pixels.size());
        return 0;
    }
    const PixelRect rect = checkRect(state, 2);
    fillRect(pixels, kFrameWidth, rect, checkIndex(state, 6, "index"));
    return 0;
}

int frameReplace(lua_State *state)
{
    PixelBuffer &pixels = checkFramePixels(state, 1);
    if (lua_type(state, 2) != LUA_TTABLE)
        failArgument(2, "a table of index = new index expected, got " + typeNameAt(state, 2));
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
        if (lua_rawgeti(state, 2, i) != LUA_TNIL) {
            int isInteger = 0;
            const lua_Integer to =
                    lua_type(state, -1) == LUA_TNUMBER ? lua_tointegerx(state, -1, &isInteger) : 0;
            if (!isInteger || to < 0 || to > 255)
                failArgument(2, "the new index of " + std::to_string(i)
                                        + " must be a whole number from 0 to 255");
            table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(to);
        }
        lua_pop(state, 1);
    }
    // Keys that are no index would silently do nothing: more likely a mistake than meant.
    lua_pushnil(state);
    while (lua_next(state, 2) != 0) {
        int isInteger = 0;
        const lua_Integer from =
                lua_type(state, -2) == LUA_TNUMBER ? lua_tointegerx(state, -2, &isInteger) : 0;
        lua_pop(state, 1);
        if (!isInteger || from < 0 || from > 255) {
            lua_pop(state, 1);
            failArgument(2, "every key must be an index from 0 to 255");
        }
    }
    replaceIndices(pixels, table);
    return 0;
}

int frameBytes(lua_State *state)
{
    const PixelBuffer &pixels = checkFramePixels(state, 1);
    lua_pushlstring(state, reinterpret_cast<const char *>(pixels.data()), pixels.size());
    return 1;
}

int frameSetBytes(lua_State *state)
{
    PixelBuffer &pixels = checkFramePixels(state, 1);
    std::size_t length = 0;
    const char *bytes =
            lua_type(state, 2) == LUA_TSTRING ? lua_tolstring(state, 2, &length) : nullptr;
    if (!bytes || length != static_cast<std::size_t>(kFrameSize))
        failArgument(2,
                     "a string of 64000 bytes expected, got "
                             + (bytes ? std::to_string(length) + " bytes" : typeNameAt(state, 2)));
    std::memcpy(pixels.data(), bytes, length);
    return 0;
}

// frame:copy(source [, x, y, width, height [, toX, toY]]): the whole frame, or a rectangle to
// the same place, or to another.
int frameCopy(lua_State *state)
{
    PixelBuffer &target = checkFramePixels(state, 1);
    const PixelBuffer &source = checkFramePixels(state, 2);
    PixelRect from{0, 0, kFrameWidth, kFrameHeight};
    if (lua_gettop(state) > 2)
        from = checkRect(state, 3);
    int toX = from.x;
    int toY = from.y;
    if (lua_gettop(state) > 6) {
        toX = static_cast<int>(checkIntegerIn(state, 7, "toX", 0, kFrameWidth - from.width));
        toY = static_cast<int>(checkIntegerIn(state, 8, "toY", 0, kFrameHeight - from.height));
    }
    copyRect(source, from, target, toX, toY, kFrameWidth);
    return 0;
}

int frameClone(lua_State *state)
{
    pushOwnFrame(state, checkFramePixels(state, 1));
    return 1;
}

// frame:counts(): a table of index = number of pixels, for the indices the frame uses.
int frameCounts(lua_State *state)
{
    const auto counts = countIndices(checkFramePixels(state, 1));
    lua_createtable(state, 0, 16);
    for (int i = 0; i < 256; ++i) {
        if (counts[static_cast<std::size_t>(i)] == 0)
            continue;
        lua_pushinteger(state, counts[static_cast<std::size_t>(i)]);
        lua_rawseti(state, -2, i);
    }
    return 1;
}

int frameSave(lua_State *state)
{
    const PixelBuffer &pixels = checkFramePixels(state, 1);
    const std::string path = checkString(state, 2, "path");
    saveFrame(state, path, pixels, paletteArgument(state, 3));
    return 0;
}

int frameEquals(lua_State *state)
{
    lua_pushboolean(state, checkFramePixels(state, 1) == checkFramePixels(state, 2));
    return 1;
}

} // namespace

PixelBuffer &checkFramePixels(lua_State *state, int argument)
{
    auto &frame = checkObject<FrameObject>(state, argument, kFrameType, "frame");
    if (frame.own)
        return *frame.own;
    const int line = frame.animation->lineOf(frame.id, frame.hint);
    if (line < 0)
        failArgument(argument, "the image of this frame is no longer in its animation");
    frame.hint = line;
    PixelBuffer &pixels = frame.animation->item(line).Pixels;
    if (pixels.size() != static_cast<std::size_t>(kFrameSize))
        failArgument(argument,
                     "the image on line " + std::to_string(line + 1) + " has no full frame");
    return pixels;
}

void pushItemFrame(lua_State *state, const std::shared_ptr<ScriptAnimation> &animation, int line)
{
    pushObject(state, kFrameType, FrameObject{animation, animation->idAt(line), line, nullptr});
}

void pushOwnFrame(lua_State *state, PixelBuffer pixels)
{
    spendFrames(state, 1);
    pushObject(state, kFrameType,
               FrameObject{nullptr, 0, 0, std::make_shared<PixelBuffer>(std::move(pixels))});
}

void saveFrame(lua_State *state, const std::string &path, const PixelBuffer &pixels,
               const PaletteColors &colors)
{
    const std::string file = checkFileAccess(state, path, FileAccess::Write, "saving a frame");
    const bool png = path.size() >= 4 && (path.ends_with(".png") || path.ends_with(".PNG"));
    if (png) {
        const ScriptMedia &media = contextOf(state).media;
        if (!media.writePng)
            fail("writing the PNG file \"" + path
                 + "\" needs the image libraries, which this "
                   "program was built without");
        if (const auto written = media.writePng(file, pixels, colors); !written)
            failWith(written.error());
        return;
    }
    const auto bytes = AddBMPHeader(kFrameWidth, kFrameHeight, pixels, colors);
    if (const auto written = replaceFile(file, bytes, Backup::None); !written)
        failWith(fileFailureNotice(written.error()));
}

void registerFrameType(lua_State *state)
{
    static const luaL_Reg methods[] = {{"get", guarded<frameGet>},
                                       {"set", guarded<frameSet>},
                                       {"fill", guarded<frameFill>},
                                       {"replace", guarded<frameReplace>},
                                       {"bytes", guarded<frameBytes>},
                                       {"setBytes", guarded<frameSetBytes>},
                                       {"copy", guarded<frameCopy>},
                                       {"clone", guarded<frameClone>},
                                       {"counts", guarded<frameCounts>},
                                       {"save", guarded<frameSave>},
                                       {nullptr, nullptr}};
    static const luaL_Reg metamethods[] = {{"__eq", guarded<frameEquals>}, {nullptr, nullptr}};
    registerType(state, kFrameType, methods, collectObject<FrameObject>, metamethods);
}

} // namespace tessa
