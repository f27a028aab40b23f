// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// tessa.sound: any audio made into one of the game's sound files, as `tessanim sound` makes it.
#include "bindings.h"
#include "bindingsupport.h"
#include "document/soundname.h"
#include "document/soundtarget.h"

#include <lua.hpp>

#include <cmath>

namespace tessa {

namespace {

// A true or false field of the options table at `argument`; `otherwise` when it is absent.
bool booleanField(lua_State *state, int argument, const char *name, bool otherwise)
{
    const int type = optionalField(state, argument, name);
    const bool value = type == LUA_TNIL ? otherwise : lua_toboolean(state, -1) != 0;
    lua_pop(state, 1);
    if (type != LUA_TNIL && type != LUA_TBOOLEAN)
        failArgument(argument, std::string(name) + " must be true or false");
    return value;
}

[[noreturn]] void failTarget(const SoundTargetRefusal &refusal)
{
    using Kind = SoundTargetRefusal::Kind;
    switch (refusal.kind) {
    case Kind::NoPlace:
    case Kind::BadNumber: // checked with the arguments
        break;
    case Kind::BadPattern:
        failWith(refusal.patternNotice);
    case Kind::NoFolder:
        fail("the sound folder \"" + refusal.folder + "\" does not exist");
    case Kind::Exists:
        fail("the sound file \"" + refusal.path
             + "\" exists already; give force = true to replace it (the old one is kept as "
               ".bak), or another number");
    }
    fail("the game's sound folder and the name of its files are needed: the options sounds and "
         "pattern (such as \"SOUND%02d.VOC\"), or in the editor View > Play's sound choices");
}

// tessa.sound(path, number [, options]): the sound file written, as `tessanim sound` writes it.
int tessaSound(lua_State *state)
{
    const std::string path = checkString(state, 1, "path");
    const auto number = checkIntegerIn(state, 2, "sound number", kLowestSound, kHighestSound);
    const ScriptMedia &media = contextOf(state).media;
    std::string folder = stringField(state, 3, "sounds");
    std::string pattern = stringField(state, 3, "pattern");
    if (folder.empty() && pattern.empty()) {
        folder = media.soundFolder;
        pattern = media.soundPattern;
    }
    const double from = numberField(state, 3, "from", 0.0);
    const double to = numberField(state, 3, "to", -1.0);
    if (!std::isfinite(from) || from < 0 || !std::isfinite(to) || (to >= 0 && to <= from))
        failArgument(3, "from must be 0 or more, and to after it");
    const bool keepLevel = booleanField(state, 3, "keepLevel", false);
    const bool force = booleanField(state, 3, "force", false);
    const auto target = soundTarget(folder, pattern, std::int32_t(number), force);
    if (!target)
        failTarget(target.error());
    const std::string audio = checkFileAccess(state, path, FileAccess::Read, "reading a sound");
    const std::string file =
            checkFileAccess(state, *target, FileAccess::Write, "writing a sound file");
    if (!media.importSound)
        fail("reading the sound \"" + path
             + "\" needs the movie libraries, which this program was built without");
    if (const auto made = media.importSound(audio, {from, to, keepLevel}, file); !made)
        failWith(made.error());
    lua_pushlstring(state, target->data(), target->size());
    return 1;
}

} // namespace

void addSoundFunctions(lua_State *state)
{
    lua_pushcfunction(state, guarded<tessaSound>);
    lua_setfield(state, -2, "sound");
}

} // namespace tessa
