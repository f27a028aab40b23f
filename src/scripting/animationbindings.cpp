// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// anim:count, anim:item, anim:insert, ...: an animation's lines, 1-based as the editor's list
// numbers them, changed by the editor's rules.
#include "bindings.h"
#include "bindingsupport.h"
#include "document/animfile.h"
#include "timing/timeline.h"

#include <cstring>
#include <limits>

namespace tessa {

namespace {

struct Kind
{
    const char *name;
    std::string_view code;
};

// The kinds a script names, and their codes.
constexpr Kind kKinds[] = {{"image", kCodeImage},     {"fadein", kCodeFadeIn},
                           {"fadeout", kCodeFadeOut}, {"pause", kCodePause},
                           {"sound", kCodeSound},     {"end", kCodeEnd}};

const char *kindName(const std::string &code)
{
    for (const Kind &kind : kKinds) {
        if (kind.code == code)
            return kind.name;
    }
    return "other";
}

std::shared_ptr<ScriptAnimation> &checkShared(lua_State *state, int argument)
{
    return checkObject<AnimationObject>(state, argument, kAnimationType, "animation").animation;
}

// A frame argument: a frame, or its 64,000 bytes as a string.
PixelBuffer framePixelsArgument(lua_State *state, int argument)
{
    if (lua_type(state, argument) == LUA_TSTRING) {
        std::size_t length = 0;
        const char *bytes = lua_tolstring(state, argument, &length);
        if (length != static_cast<std::size_t>(kFrameSize))
            failArgument(argument,
                         "a frame's string must hold 64000 bytes, not " + std::to_string(length));
        return PixelBuffer(bytes, bytes + length);
    }
    return checkFramePixels(state, argument);
}

std::int16_t checkValue(lua_State *state, int argument)
{
    return static_cast<std::int16_t>(checkIntegerIn(state, argument, "value", 0, 65535));
}

void check(int argument, const std::string &refusal)
{
    if (!refusal.empty())
        failArgument(argument, refusal);
}

int animCount(lua_State *state)
{
    lua_pushinteger(state, checkAnimation(state, 1).count());
    return 1;
}

// anim:item(line): the kind, and the frame of an image, the value of a pause or sound, the code
// of any other item.
int animItem(lua_State *state)
{
    const auto &animation = checkShared(state, 1);
    const int line = checkLine(state, 2, *animation);
    const AnimItem &item = animation->item(line);
    const char *kind = kindName(item.Code);
    lua_pushstring(state, kind);
    if (item.isImage())
        pushItemFrame(state, animation, line);
    else if (item.Code == kCodePause || item.Code == kCodeSound)
        lua_pushinteger(state, payloadValue(item));
    else if (std::strcmp(kind, "other") == 0)
        lua_pushlstring(state, item.Code.data(), item.Code.size());
    else
        lua_pushnil(state);
    return 2;
}

int animFrame(lua_State *state)
{
    const auto &animation = checkShared(state, 1);
    const int line = checkLine(state, 2, *animation);
    if (!animation->item(line).isImage())
        failArgument(2, "line " + std::to_string(line + 1) + " is not an image but \""
                                + listLine(animation->item(line)) + "\"");
    pushItemFrame(state, animation, line);
    return 1;
}

// anim:insert(line, kind [, value or frame]): a new item before `line`.
int animInsert(lua_State *state)
{
    ScriptAnimation &animation = checkAnimation(state, 1);
    const int line = checkLine(state, 2, animation);
    const std::string kind = checkString(state, 3, "kind");
    AnimItem item;
    if (kind == "image") {
        item = makeImageItem(framePixelsArgument(state, 4));
        spendFrames(state, 1);
    } else if (kind == "fadein") {
        item = makeFadeInItem();
    } else if (kind == "fadeout") {
        item = makeFadeOutItem();
    } else if (kind == "pause") {
        item = makePauseItem(checkValue(state, 4));
    } else if (kind == "sound") {
        item = makeSoundItem(checkValue(state, 4));
    } else {
        failArgument(3,
                     "kind must be image, fadein, fadeout, pause or sound, not \"" + kind + "\"");
    }
    check(2, animation.insert(line, std::move(item)));
    return 0;
}

int animRemove(lua_State *state)
{
    ScriptAnimation &animation = checkAnimation(state, 1);
    check(2, animation.remove(checkLine(state, 2, animation)));
    return 0;
}

int animMove(lua_State *state)
{
    ScriptAnimation &animation = checkAnimation(state, 1);
    const int from = checkLine(state, 2, animation);
    check(3, animation.move(from, checkLine(state, 3, animation)));
    return 0;
}

int animDuplicate(lua_State *state)
{
    ScriptAnimation &animation = checkAnimation(state, 1);
    const int line = checkLine(state, 2, animation);
    if (animation.item(line).isImage())
        spendFrames(state, 1);
    check(2, animation.duplicate(line));
    return 0;
}

int animSetValue(lua_State *state)
{
    ScriptAnimation &animation = checkAnimation(state, 1);
    const int line = checkLine(state, 2, animation);
    check(2, animation.setValue(line, checkValue(state, 3)));
    return 0;
}

int animSetFrame(lua_State *state)
{
    ScriptAnimation &animation = checkAnimation(state, 1);
    const int line = checkLine(state, 2, animation);
    if (!animation.item(line).isImage())
        failArgument(2, "line " + std::to_string(line + 1) + " is not an image");
    animation.item(line).Pixels = framePixelsArgument(state, 3);
    return 0;
}

// anim:save([path]): the editor's safe save, the old file kept as ".bak".
int animSave(lua_State *state)
{
    ScriptAnimation &animation = checkAnimation(state, 1);
    const std::string path = optionalString(state, 2, "path", animation.path());
    if (path.empty())
        failArgument(2, "a new animation needs a path to be saved to");
    const std::string file = checkFileAccess(state, path, FileAccess::Write, "saving an animation");
    if (const auto saved = saveAnimation(file, animation.items()); !saved)
        failWith(saved.error());
    animation.setPath(path);
    return 0;
}

int animBytes(lua_State *state)
{
    const auto bytes = writeAnimation(checkAnimation(state, 1).items());
    if (!bytes)
        failWith(bytes.error());
    lua_pushlstring(state, reinterpret_cast<const char *>(bytes->data()), bytes->size());
    return 1;
}

int animPath(lua_State *state)
{
    const std::string &path = checkAnimation(state, 1).path();
    if (path.empty())
        lua_pushnil(state);
    else
        lua_pushlstring(state, path.data(), path.size());
    return 1;
}

int animClone(lua_State *state)
{
    const ScriptAnimation &animation = checkAnimation(state, 1);
    spendFrames(state, imageCount(animation.items()));
    pushAnimation(state, std::make_shared<ScriptAnimation>(animation.items(), animation.path()));
    return 1;
}

// Lines `from` and `to` of an options table, 1-based, turned 0-based (to: -1 for the last).
std::pair<int, int> lineFields(lua_State *state, int argument, const ScriptAnimation &animation)
{
    const double from = numberField(state, argument, "from", 1);
    const double to = numberField(state, argument, "to", animation.count());
    if (from < 1 || from > animation.count() || to < from || to > animation.count()
        || from != static_cast<int>(from) || to != static_cast<int>(to))
        failArgument(argument, "from and to must be lines of the animation, from before to");
    return {static_cast<int>(from) - 1, static_cast<int>(to) - 1};
}

// anim:timeline([{tickRate=, pauseMultiplier=, from=, to=}]): when each line plays.
int animTimeline(lua_State *state)
{
    const ScriptAnimation &animation = checkAnimation(state, 1);
    TimingSettings settings;
    settings.tickRate = numberField(state, 2, "tickRate", settings.tickRate);
    settings.pauseMultiplier = numberField(state, 2, "pauseMultiplier", settings.pauseMultiplier);
    const auto [from, to] = lineFields(state, 2, animation);
    const Timeline timeline = buildTimeline(animation.items(), settings, from, to);

    lua_createtable(state, 0, 5);
    lua_pushinteger(state, timeline.durationTicks());
    lua_setfield(state, -2, "ticks");
    lua_pushnumber(state, timeline.seconds(timeline.durationTicks()));
    lua_setfield(state, -2, "seconds");
    lua_pushnumber(state, timeline.tickRate());
    lua_setfield(state, -2, "tickRate");
    lua_createtable(state, animation.count(), 0);
    for (int line = timeline.firstLine(); line <= timeline.lastLine(); ++line) {
        lua_pushinteger(state, timeline.startTick(line).value_or(0));
        lua_rawseti(state, -2, line + 1);
    }
    lua_setfield(state, -2, "starts");
    lua_createtable(state, static_cast<int>(timeline.soundCues().size()), 0);
    lua_Integer cueNumber = 0;
    for (const SoundCue &cue : timeline.soundCues()) {
        lua_createtable(state, 0, 3);
        lua_pushinteger(state, cue.tick);
        lua_setfield(state, -2, "tick");
        lua_pushinteger(state, cue.number);
        lua_setfield(state, -2, "number");
        lua_pushinteger(state, cue.line + 1);
        lua_setfield(state, -2, "line");
        lua_rawseti(state, -2, ++cueNumber);
    }
    lua_setfield(state, -2, "sounds");
    return 1;
}

// anim:render(path [, options]): the movie `tessanim render` writes.
int animRender(lua_State *state)
{
    const ScriptAnimation &animation = checkAnimation(state, 1);
    const std::string path = checkString(state, 2, "path");
    MovieChoices choices;
    choices.tickRate = numberField(state, 3, "tickRate", choices.tickRate);
    choices.pauseMultiplier = numberField(state, 3, "pauseMultiplier", choices.pauseMultiplier);
    const double scale = numberField(state, 3, "scale", 1);
    if (scale < 1 || scale > 8 || scale != static_cast<int>(scale))
        failArgument(3, "scale must be a whole number from 1 to 8");
    choices.scale = static_cast<int>(scale);
    choices.aspect43 = stringField(state, 3, "aspect") == "4:3";
    std::tie(choices.fromLine, choices.toLine) = lineFields(state, 3, animation);
    choices.soundFolder = stringField(state, 3, "sounds");
    choices.soundPattern = stringField(state, 3, "soundPattern");
    optionalField(state, 3, "palette");
    const PaletteColors colors = paletteArgument(state, lua_gettop(state));
    lua_pop(state, 1);
    const std::string file = checkFileAccess(state, path, FileAccess::Write, "rendering a movie");
    if (!choices.soundFolder.empty())
        choices.soundFolder =
                checkFileAccess(state, choices.soundFolder, FileAccess::Read, "reading sounds");
    const ScriptMedia &media = contextOf(state).media;
    if (!media.renderMovie)
        fail("writing the movie \"" + path
             + "\" needs the movie libraries, which this program "
               "was built without");
    const auto warnings =
            media.renderMovie(animation.items(), file, colors, choices, goOnWhileAllowed(state));
    if (!warnings)
        failWith(warnings.error());
    pushStringList(state, *warnings);
    return 1;
}

int animToString(lua_State *state)
{
    const ScriptAnimation &animation = checkAnimation(state, 1);
    const std::string text = "animation of " + std::to_string(animation.count()) + " lines"
                             + (animation.path().empty() ? "" : " (" + animation.path() + ")");
    lua_pushstring(state, text.c_str());
    return 1;
}

} // namespace

ScriptAnimation &checkAnimation(lua_State *state, int argument)
{
    return *checkShared(state, argument);
}

void pushAnimation(lua_State *state, std::shared_ptr<ScriptAnimation> animation)
{
    pushObject(state, kAnimationType, AnimationObject{std::move(animation)});
}

void registerAnimationType(lua_State *state)
{
    static const luaL_Reg methods[] = {
            {"count", guarded<animCount>},         {"item", guarded<animItem>},
            {"frame", guarded<animFrame>},         {"insert", guarded<animInsert>},
            {"remove", guarded<animRemove>},       {"move", guarded<animMove>},
            {"duplicate", guarded<animDuplicate>}, {"setValue", guarded<animSetValue>},
            {"setFrame", guarded<animSetFrame>},   {"save", guarded<animSave>},
            {"bytes", guarded<animBytes>},         {"path", guarded<animPath>},
            {"clone", guarded<animClone>},         {"timeline", guarded<animTimeline>},
            {"render", guarded<animRender>},       {nullptr, nullptr}};
    static const luaL_Reg metamethods[] = {{"__tostring", guarded<animToString>},
                                           {nullptr, nullptr}};
    registerType(state, kAnimationType, methods, collectObject<AnimationObject>, metamethods);
}

} // namespace tessa
