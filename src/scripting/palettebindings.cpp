// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// palette:get, palette:set: the 256 colours a frame is shown and exported in.
#include "bindings.h"
#include "bindingsupport.h"
#include "imaging/paletteloader.h"

namespace tessa {

namespace {

PaletteColors &checkPalette(lua_State *state, int argument)
{
    return checkObject<PaletteObject>(state, argument, kPaletteType, "palette").colors;
}

// palette:get(index): red, green, blue, each 0 to 255.
int paletteGet(lua_State *state)
{
    const PaletteColors &colors = checkPalette(state, 1);
    const std::uint32_t color = colors[checkIndex(state, 2, "index")];
    lua_pushinteger(state, redOf(color));
    lua_pushinteger(state, greenOf(color));
    lua_pushinteger(state, blueOf(color));
    return 3;
}

// palette:set(index, red, green, blue). Components are kept as given; the game shows them at
// six bits, as a palette file's are.
int paletteSet(lua_State *state)
{
    PaletteColors &colors = checkPalette(state, 1);
    const std::uint8_t index = checkIndex(state, 2, "index");
    const auto red = static_cast<std::uint8_t>(checkIntegerIn(state, 3, "red", 0, 255));
    const auto green = static_cast<std::uint8_t>(checkIntegerIn(state, 4, "green", 0, 255));
    const auto blue = static_cast<std::uint8_t>(checkIntegerIn(state, 5, "blue", 0, 255));
    colors[index] = colorFromRgb(red, green, blue);
    return 0;
}

int paletteClone(lua_State *state)
{
    pushPalette(state, checkPalette(state, 1));
    return 1;
}

} // namespace

void pushPalette(lua_State *state, const PaletteColors &colors)
{
    pushObject(state, kPaletteType, PaletteObject{colors});
}

PaletteColors paletteArgument(lua_State *state, int argument)
{
    if (lua_isnoneornil(state, argument))
        return paletteColorsFromData(builtInPalette(0));
    if (const PaletteObject *palette = testObject<PaletteObject>(state, argument, kPaletteType))
        return palette->colors;
    std::string name = checkString(state, argument, "palette");
    if (name != "main" && name != "extra")
        name = checkFileAccess(state, name, FileAccess::Read, "reading a palette file");
    const auto colors = choosePalette(name);
    if (!colors)
        failWith(colors.error());
    return *colors;
}

void registerPaletteType(lua_State *state)
{
    static const luaL_Reg methods[] = {{"get", guarded<paletteGet>},
                                       {"set", guarded<paletteSet>},
                                       {"clone", guarded<paletteClone>},
                                       {nullptr, nullptr}};
    registerType(state, kPaletteType, methods, collectObject<PaletteObject>);
}

} // namespace tessa
