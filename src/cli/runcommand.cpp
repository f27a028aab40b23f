// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tessanim run: a Lua script with the tessa library, its images and movies through tessanim's own.
#include "commands.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "imageformats.h"
#include "scripting/scriptengine.h"

#include <iostream>
#include <sstream>

namespace tessa {

// The media functions are those of the manifest, the export and render commands, so a script
// reads, writes and renders exactly as they do (and loads the media module only when it must).
ScriptMedia scriptMediaFunctions()
{
    ScriptMedia media;
    media.importImage =
            [](const std::string &path, ImageColors colors,
               const PaletteColors &palette) -> Expected<std::vector<std::uint8_t>, Notice> {
        const auto file = readWholeFile(path);
        if (!file)
            return Unexpected{fileFailureNotice(file.error())};
        return manifestImagePixels(*file, path, colors, palette);
    };
    media.writePng = &writeFramePng;
    media.renderMovie =
            [](const ItemList &items, const std::string &path, const PaletteColors &colors,
               const MovieChoices &movie) -> Expected<std::vector<std::string>, Notice> {
        RenderChoices choices;
        choices.tickRate = movie.tickRate;
        choices.pauseMultiplier = movie.pauseMultiplier;
        choices.scale = movie.scale;
        choices.aspect43 = movie.aspect43;
        choices.fromLine = movie.fromLine + 1;
        choices.toLine = movie.toLine < 0 ? 0 : movie.toLine + 1;
        choices.soundFolder = movie.soundFolder;
        choices.soundPattern = movie.soundPattern;
        std::ostringstream warningText;
        const auto rendered = renderItems(items, path, colors, choices, warningText);
        if (!rendered)
            return Unexpected{rendered.error()};
        std::vector<std::string> warnings;
        std::istringstream lines(warningText.str());
        for (std::string line; std::getline(lines, line);)
            warnings.push_back(line);
        return warnings;
    };
    media.importMovie = [](const std::string &path, const MovieImport &movie,
                           const PaletteColors &palette) {
        EncodeChoices choices;
        choices.quality = movie.quality;
        choices.maxBytes = movie.maxBytes;
        choices.fit = movie.fit;
        choices.fps = movie.fps;
        choices.from = movie.from;
        choices.to = movie.to;
        choices.tickRate = movie.tickRate;
        choices.pauseMultiplier = movie.pauseMultiplier;
        return manifestMovieAnimation(path, choices, palette);
    };
    return media;
}

CommandResult runCommand(const std::string &scriptPath, const std::vector<std::string> &arguments)
{
    ScriptSettings settings;
    settings.context.media = scriptMediaFunctions();
    // tessa.ask: the prompt on standard error, the answer a line of standard input (nil at its
    // end), so that a script asks the same in a terminal as in the editor.
    settings.context.ask = [](const std::string &prompt,
                              const std::string &defaultText) -> std::optional<std::string> {
        std::cerr << prompt << (defaultText.empty() ? "" : " [" + defaultText + "]") << ' '
                  << std::flush;
        std::string line;
        if (!std::getline(std::cin, line))
            return std::nullopt;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return line.empty() ? defaultText : line;
    };
    ScriptEngine engine(std::move(settings));
    if (const auto failure = engine.runFile(scriptPath, arguments))
        return Unexpected{Notice::failure("Error", *failure)};
    return Done{};
}

} // namespace tessa
