// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"
#include "document/numbertext.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

using namespace tessa;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Notices are written for the window, whose lines end in CR LF; a terminal wants LF.
void printNotice(const Notice &notice)
{
    std::string text = notice.text;
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    std::cerr << text << '\n';
}

void addPaletteOption(CLI::App &command, std::string &palette, const std::string &ofWhat)
{
    command.add_option("--palette,-p", palette,
                       "Colours of " + ofWhat + ": main, extra or a palette file")
            ->capture_default_str();
}

void addFormatOption(CLI::App &command, std::string &format)
{
    command.add_option("--format,-f", format, "Kind of image file: bmp or png (indexed)")
            ->check(CLI::IsMember({"bmp", "png"}, CLI::ignore_case))
            ->capture_default_str();
}

// "list, resave, ...": every subcommand, in the order --help shows them.
std::string commandNames(const CLI::App &app)
{
    std::string names;
    for (const CLI::App *command : app.get_subcommands([](const CLI::App *) { return true; }))
        names += (names.empty() ? "" : ", ") + command->get_name();
    return names;
}

bool isCommand(const CLI::App &app, const std::string &word)
{
    return !app.get_subcommands([&](const CLI::App *command) {
                   return command->get_name() == word;
               }).empty();
}

int usageFailure(const std::string &text)
{
    std::cerr << text << "\nRun with --help for more information.\n";
    return kExitUsage;
}

// Where the script's name stands after `tessanim run` and its own options (--safe, --timeout
// SECONDS), which are taken into `options`; -1 after a usage failure was told. Anything else
// that starts with "-" is left to the command line parser, which explains it.
int runOptionsEnd(int argc, char **argv, RunOptions &options)
{
    int at = 2;
    while (at < argc) {
        const std::string word = argv[at];
        if (word == "--safe") {
            options.safe = true;
            ++at;
        } else if (word == "--timeout" || word.rfind("--timeout=", 0) == 0) {
            const bool joined = word != "--timeout";
            if (!joined && at + 1 >= argc) {
                usageFailure("--timeout needs a number of seconds.");
                return -1;
            }
            const std::string value = joined ? word.substr(10) : argv[at + 1];
            const auto seconds = parseNumber(value);
            if (!seconds) {
                usageFailure("--timeout: \"" + value + "\" is not a number of seconds.");
                return -1;
            }
            options.timeoutSeconds = *seconds;
            at += joined ? 1 : 2;
        } else {
            break;
        }
    }
    return at;
}

} // namespace

int main(int argc, char **argv)
{
    CLI::App app{"Reads, writes and converts the cut-scene animations of the Tessarine games.",
                 "tessanim"};
    app.set_version_flag("--version", std::string("tessanim ") + TESSA_VERSION);
    // At most one subcommand; that there is one, and that it is one of ours, is checked here
    // rather than by CLI11, which calls an unknown command an unexpected argument.
    app.require_subcommand(0, 1);
    // Options are spelt alike everywhere, and on Windows a path may start with a slash.
    app.allow_windows_style_options(false);

    std::string in;
    std::string out;
    std::string palette = "main";
    std::string format = "bmp";
    int line = 0;

    CLI::App *list = app.add_subcommand("list", "Print the list line of every item");
    list->add_option("FILE", in, "Animation file")->required();

    CLI::App *resave = app.add_subcommand("resave", "Read an animation and write it again");
    resave->add_option("IN", in, "Animation file")->required();
    resave->add_option("OUT", out, "File to write (an existing one is kept as .bak)")->required();

    CLI::App *exportAll = app.add_subcommand("export", "Write every image as a BMP or PNG file");
    exportAll->add_option("IN", in, "Animation file")->required();
    exportAll->add_option("DIR", out, "Folder for the image files")->required();
    addPaletteOption(*exportAll, palette, "the image files");
    addFormatOption(*exportAll, format);

    CLI::App *frame =
            app.add_subcommand("frame", "Write the image of one list line as a BMP or PNG file");
    frame->add_option("IN", in, "Animation file")->required();
    frame->add_option("LINE", line, "List line of the image, from 1")
            ->required()
            ->check(CLI::Range(1, std::numeric_limits<int>::max()));
    std::string framePath;
    frame->add_option("OUT", framePath, "Image file to write")->required();
    addPaletteOption(*frame, palette, "the image file");
    addFormatOption(*frame, format);

    CLI::App *unpack = app.add_subcommand("unpack", "Write every image and a manifest of items");
    unpack->add_option("IN", in, "Animation file")->required();
    unpack->add_option("DIR", out, "Folder for the image files and the manifest")->required();
    addPaletteOption(*unpack, palette, "the image files");
    addFormatOption(*unpack, format);

    CLI::App *build = app.add_subcommand("build", "Write the animation that a manifest describes");
    build->add_option("MANIFEST", in, "Manifest file")->required();
    build->add_option("OUT", out, "File to write (an existing one is kept as .bak)")->required();
    build->add_option("--palette,-p", palette,
                      "Colours that 'image FILE match' and 'dither' lines match to: main, extra "
                      "or a palette file")
            ->capture_default_str();

    CLI::App *diff = app.add_subcommand(
            "diff", "Write a patch that turns one animation (or folder) into another");
    std::string changed;
    diff->add_option("ORIGINAL", in, "Original animation file, or folder")->required();
    diff->add_option("CHANGED", changed, "Changed animation file, or folder")->required();
    diff->add_option("PATCH", out, "Patch file to write (an existing one is replaced)")->required();

    CLI::App *patch = app.add_subcommand("patch", "Apply a patch made by diff");
    std::vector<std::string> patchArguments;
    bool patchCheck = false;
    bool patchInfo = false;
    patch->add_option("ARGS", patchArguments,
                      "ORIGINAL PATCH OUT (OUT: a file, its old version kept as .bak, or a "
                      "folder); ORIGINAL PATCH with --check; PATCH with --info")
            ->required();
    patch->add_flag("--check", patchCheck, "Only say whether the patch applies to ORIGINAL");
    patch->add_flag("--info", patchInfo, "Print what the patch holds")->excludes("--check");

    RenderChoices render;
    CLI::App *renderMovie =
            app.add_subcommand("render", "Write the animation as it plays as a movie");
    renderMovie->add_option("IN", in, "Animation file")->required();
    renderMovie->add_option("OUT", out, "Movie to write: .gif, .webm, .mp4 or .png (a sequence)")
            ->required();
    renderMovie->add_option("--tick-rate", render.tickRate, "Ticks per second")
            ->capture_default_str()
            ->check(CLI::PositiveNumber);
    renderMovie->add_option("--pause-multiplier", render.pauseMultiplier, "Ticks per pause unit")
            ->capture_default_str()
            ->check(CLI::NonNegativeNumber);
    renderMovie->add_option("--scale", render.scale, "Whole enlargement of every pixel")
            ->capture_default_str()
            ->check(CLI::Range(1, 8));
    std::string aspect = "16:10";
    renderMovie->add_option("--aspect", aspect, "4:3 stretches the 200 rows to 240")
            ->capture_default_str()
            ->check(CLI::IsMember({"16:10", "4:3"}));
    addPaletteOption(*renderMovie, render.palette, "the movie");
    renderMovie->add_option("--from", render.fromLine, "First list line to play, from 1")
            ->check(CLI::Range(1, std::numeric_limits<int>::max()));
    renderMovie->add_option("--to", render.toLine, "Last list line to play (default: the last)")
            ->check(CLI::Range(1, std::numeric_limits<int>::max()));
    renderMovie->add_option("--sounds", render.soundFolder, "Folder of the game's sound files");
    renderMovie->add_option("--sound-pattern", render.soundPattern,
                            "File name of sound n, such as SOUND%02d.VOC");
    renderMovie->add_flag("--dry-run", render.dryRun,
                          "Print the size the GIF will have and write nothing");

    EncodeChoices encode;
    CLI::App *encodeMovie = app.add_subcommand(
            "encode", "Make a movie or a sequence of pictures into an animation in the palette");
    encodeMovie
            ->add_option("MOVIE", in,
                         "Movie file (any FFmpeg reads), folder of numbered pictures, or a "
                         "pattern such as shots/f_%04d.png")
            ->required();
    encodeMovie->add_option("OUT", out, "File to write (an existing one is kept as .bak)")
            ->required();
    addPaletteOption(*encodeMovie, encode.palette, "the animation");
    encodeMovie
            ->add_option("--quality", encode.quality,
                         "0 to 100: how closely the screen follows the movie; lower is smaller")
            ->capture_default_str()
            ->check(CLI::Range(0, 100));
    encodeMovie
            ->add_option("--max-bytes", encode.maxBytes,
                         "Make the file at most this many bytes, at the best quality that fits "
                         "(up to --quality)")
            ->check(CLI::PositiveNumber);
    encodeMovie
            ->add_option("--sound", encode.sound,
                         "Write the movie's sound as the game's sound N and play it from the start")
            ->check(CLI::Range(0, 65535));
    encodeMovie->add_option("--sounds", encode.soundFolder,
                            "Folder of the game's sound files, for --sound");
    encodeMovie->add_option("--sound-pattern", encode.soundPattern,
                            "File name of sound n, such as SOUND%02d.VOC, for --sound");
    encodeMovie->add_flag("--force", encode.force, "Let --sound replace an existing sound file");
    encodeMovie->add_option("--tick-rate", encode.tickRate, "Ticks per second the game plays at")
            ->capture_default_str()
            ->check(CLI::PositiveNumber);
    encodeMovie
            ->add_option("--pause-multiplier", encode.pauseMultiplier,
                         "Ticks per pause unit, above 0")
            ->capture_default_str()
            ->check(CLI::PositiveNumber);
    encodeMovie->add_option("--fps", encode.fps, "Pictures a second of a folder or pattern")
            ->capture_default_str()
            ->check(CLI::PositiveNumber);
    encodeMovie->add_option("--from", encode.from, "Seconds into the movie to start at")
            ->check(CLI::NonNegativeNumber);
    encodeMovie
            ->add_option("--to", encode.to, "Seconds into the movie to end at (default: its end)")
            ->check(CLI::PositiveNumber);
    encodeMovie
            ->add_option("--fit", encode.fit,
                         "How a picture becomes the 4:3 screen: crop, pad (black bars) or stretch")
            ->capture_default_str()
            ->check(CLI::IsMember({"crop", "pad", "stretch"}));

    CLI::App *run = app.add_subcommand(
            "run", "Run a Lua script with the tessa library (see docs/scripting.md)");
    std::string script;
    std::vector<std::string> scriptArguments;
    RunOptions runOptions;
    run->add_flag("--safe", runOptions.safe,
                  "Contain the script as the editor does: files outside its folder are asked "
                  "about, no bytecode, no debug library, at most 1 GB of memory");
    run->add_option("--timeout", runOptions.timeoutSeconds,
                    "Stop the script after this many seconds (0.1 to 86400)");
    run->add_option("SCRIPT", script, "Lua script")->required();
    run->add_option("ARGS", scriptArguments, "The script's arguments: its ... and arg[1..n]");

    // Everything after the script is the script's, options included, as for the `lua`
    // interpreter: CLI11 would take them for tessanim's own.
    int scriptAt = 2;
    if (argc > 2 && std::string(argv[1]) == "run") {
        scriptAt = runOptionsEnd(argc, argv, runOptions);
        if (scriptAt < 0)
            return kExitUsage;
    }
    if (argc > scriptAt && std::string(argv[1]) == "run" && argv[scriptAt][0] != '-') {
        try {
            const auto result = runCommand(
                    argv[scriptAt], std::vector<std::string>(argv + scriptAt + 1, argv + argc),
                    runOptions);
            std::cout.flush();
            if (!result) {
                printNotice(result.error());
                return kExitFailure;
            }
            return std::cout ? 0 : kExitFailure;
        } catch (const std::exception &error) {
            std::cerr << error.what() << '\n';
            return kExitFailure;
        }
    }

    // The only options before a command are --help and --version, so a first word that is not an
    // option is meant as a command.
    if (argc > 1 && argv[1][0] != '-' && !isCommand(app, argv[1]))
        return usageFailure(std::string("Unknown command '") + argv[1]
                            + "'. The commands are: " + commandNames(app) + ".");
    try {
        app.parse(argc, argv);
        if (app.get_subcommands().empty())
            return usageFailure("A command is needed: " + commandNames(app) + ".");
        const std::size_t wanted = patchInfo ? 1 : patchCheck ? 2 : 3;
        if (patch->parsed() && patchArguments.size() != wanted)
            throw CLI::ValidationError(
                    "patch", "takes "
                                     + std::string(patchInfo    ? "PATCH with --info"
                                                   : patchCheck ? "ORIGINAL PATCH with --check"
                                                                : "ORIGINAL PATCH OUT"));
    } catch (const CLI::ParseError &error) {
        // CLI11's own exit codes start at 100; usage errors are 2 like other tools'.
        return app.exit(error) == 0 ? 0 : kExitUsage;
    }

    try {
        const ImageFormat imageFormat = imageFormatNamed(format).value_or(ImageFormat::Bmp);
        CommandResult result = Done{};
        if (list->parsed())
            result = listCommand(in, std::cout);
        else if (resave->parsed())
            result = resaveCommand(in, out);
        else if (exportAll->parsed())
            result = exportCommand(in, out, palette, imageFormat);
        else if (frame->parsed())
            result = frameCommand(in, line, framePath, palette, imageFormat);
        else if (unpack->parsed())
            result = unpackCommand(in, out, palette, imageFormat);
        else if (build->parsed())
            result = buildCommand(in, out, palette);
        else if (diff->parsed())
            result = diffCommand(in, changed, out, std::cerr);
        else if (patch->parsed() && patchInfo)
            result = patchInfoCommand(patchArguments[0], std::cout);
        else if (patch->parsed() && patchCheck)
            result = patchCheckCommand(patchArguments[0], patchArguments[1], std::cout);
        else if (patch->parsed())
            result = patchCommand(patchArguments[0], patchArguments[1], patchArguments[2]);
        else if (run->parsed())
            result = runCommand(script, scriptArguments, runOptions);
        else if (renderMovie->parsed()) {
            render.aspect43 = aspect == "4:3";
            result = renderCommand(in, out, render, std::cerr);
        } else if (encodeMovie->parsed())
            result = encodeCommand(in, out, encode);
        if (!result) {
            printNotice(result.error());
            return kExitFailure;
        }
    } catch (const std::exception &error) {
        // Out of memory, mostly: say so rather than abort.
        std::cerr << error.what() << '\n';
        return kExitFailure;
    }
    std::cout.flush();
    return std::cout ? 0 : kExitFailure;
}
