// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tessanim run: a Lua script with the tessa library, its images and movies through tessanim's own.
#include "commands.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "document/nativefile.h"
#include "document/numbertext.h"
#include "document/paths.h"
#include "imageformats.h"
#include "imaging/imagecolors.h"
#include "scripting/scriptengine.h"
#include "scripting/scriptfilerules.h"
#include "terminal.h"

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace tessa {

// The media functions are those of the manifest, the export and render commands, so a script
// reads, writes and renders exactly as they do (and loads the media module only when it must).
ScriptMedia scriptMediaFunctions()
{
    ScriptMedia media;
    media.importImage =
            [](const std::string &path, ImageColors colors,
               const PaletteColors &palette) -> Expected<std::vector<std::uint8_t>, Notice> {
        const auto file = readWholeFile(path, kMostImageFileBytes);
        if (!file)
            return Unexpected{fileFailureNotice(file.error())};
        return manifestImagePixels(*file, path, colors, palette);
    };
    media.writePng = &writeFramePng;
    media.renderMovie = [](const ItemList &items, const std::string &path,
                           const PaletteColors &colors, const MovieChoices &movie,
                           const GoOn &goOn) -> Expected<std::vector<std::string>, Notice> {
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
        const auto rendered = renderItems(items, path, colors, choices, warningText, goOn);
        if (!rendered)
            return Unexpected{rendered.error()};
        std::vector<std::string> warnings;
        std::istringstream lines(warningText.str());
        for (std::string line; std::getline(lines, line);)
            warnings.push_back(line);
        return warnings;
    };
    media.importMovie = [](const std::string &path, const MovieImport &movie,
                           const PaletteColors &palette, const GoOn &goOn) {
        EncodeChoices choices;
        choices.quality = movie.quality;
        choices.maxBytes = movie.maxBytes;
        choices.fit = movie.fit;
        choices.fps = movie.fps;
        choices.from = movie.from;
        choices.to = movie.to;
        choices.tickRate = movie.tickRate;
        choices.pauseMultiplier = movie.pauseMultiplier;
        return manifestMovieAnimation(path, choices, palette, goOn);
    };
    return media;
}

namespace {

// The memory a script run with --safe gets, as in the editor.
constexpr std::size_t kSafeMemoryBytes = std::size_t(1) << 30;
// How long after its time is up a script that does not stop (it waits for a line typed on the
// terminal, say) is ended with the whole program.
constexpr auto kTimeoutGrace = std::chrono::seconds(1);

// tessa.ask: the prompt on standard error, the answer a line of standard input (nil at its end),
// so that a script asks the same in a terminal as in the editor.
std::optional<std::string> askOnTerminal(const std::string &prompt, const std::string &defaultText)
{
    std::cerr << prompt << (defaultText.empty() ? "" : " [" + defaultText + "]") << ' '
              << std::flush;
    std::string line;
    if (!std::getline(std::cin, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line.empty() ? defaultText : line;
}

// The editor's question about a file outside the script's folder, on the terminal; no without
// one, as there is no one to answer.
bool allowOnTerminal(const std::string &scriptName, const std::string &path,
                     const std::string &folder, FileAccess access)
{
    if (!isTerminal(stdin) || !isTerminal(stderr))
        return false;
    std::cerr << "The script " << scriptName << " wants to "
              << (access == FileAccess::Write ? "change " : "read ") << path
              << ", outside its own folder.\nLet it read and change the files in " << folder
              << " until it ends? [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}

// Ends the program when the script has not stopped shortly after its time was up: the stop the
// script's hook makes cannot reach it while it waits inside one call (for a line typed).
class Watchdog
{
public:
    Watchdog(std::chrono::steady_clock::time_point deadline, std::string message)
        : m_thread([this, deadline, message = std::move(message)] {
            std::unique_lock lock(m_mutex);
            if (!m_ended.wait_until(lock, deadline + kTimeoutGrace, [this] { return m_done; })) {
                std::cerr << "Error\n" << message << std::endl;
                std::_Exit(1);
            }
        })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_ended.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    std::thread m_thread;
};

} // namespace

CommandResult runCommand(const std::string &scriptPath, const std::vector<std::string> &arguments,
                         const RunOptions &options)
{
    if (options.timeoutSeconds != 0
        && !(options.timeoutSeconds >= kShortestTimeout
             && options.timeoutSeconds <= kLongestTimeout))
        return Unexpected{Notice::failure(
                "Error", "--timeout must be from " + shortestDecimal(kShortestTimeout) + " to "
                                 + shortestDecimal(kLongestTimeout) + " seconds, not "
                                 + shortestDecimal(options.timeoutSeconds) + ".")};
    ScriptSettings settings;
    settings.context.media = scriptMediaFunctions();
    settings.context.ask = askOnTerminal;

    std::vector<std::string> allowedFolders;
    std::optional<ScriptFileRules> files;
    if (options.safe) {
        settings.libraries = LuaLibraries::Contained;
        settings.limits.memoryBytes = kSafeMemoryBytes;
        const std::string scriptFolder =
                textFromPath(fs::absolute(pathFromText(scriptPath)).parent_path());
        const std::string scriptName = GetFileName(scriptPath);
        files.emplace(std::vector<std::string>{scriptFolder}, allowedFolders,
                      [scriptName](const std::string &path, const std::string &folder,
                                   FileAccess access) {
                          return allowOnTerminal(scriptName, path, folder, access);
                      });
        settings.context.fileAccess = [&files](std::string_view path, FileAccess access) {
            return files->check(path, access);
        };
    }

    std::optional<Watchdog> watchdog;
    if (options.timeoutSeconds != 0) {
        const auto deadline = std::chrono::steady_clock::now()
                              + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                      std::chrono::duration<double>(options.timeoutSeconds));
        std::string message = "the script was stopped after its time limit of "
                              + shortestDecimal(options.timeoutSeconds) + " s";
        settings.limits.stopReason = [deadline, message] {
            return std::chrono::steady_clock::now() < deadline ? std::string() : message;
        };
        watchdog.emplace(deadline, GetFileName(scriptPath)
                                           + ": the script did not stop at its time "
                                             "limit of "
                                           + shortestDecimal(options.timeoutSeconds)
                                           + " s, so tessanim was ended");
    }

    ScriptEngine engine(std::move(settings));
    if (const auto failure = engine.runFile(scriptPath, arguments))
        return Unexpected{Notice::failure("Error", *failure)};
    return Done{};
}

} // namespace tessa
