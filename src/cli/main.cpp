// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"
#include "document/numbertext.h"
#include "document/soundname.h"
#include "settings/numberranges.h"

#include <CLI/CLI.hpp>

#include <deque>
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace tessa;

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// List lines, counted from 1.
constexpr NumberRange kLineRange{1, std::numeric_limits<int>::max(), true};

// Number options and arguments are taken as typed and read once the command line is parsed, so
// that a refusal says in words what is wrong and names the range (numberInRange) rather than
// give CLI11's own texts.
class NumberOptions
{
public:
    // `name` as for CLI11 ("--tick-rate" or "LINE"); `target` keeps its value unless the option is
    // given, and that value is shown as the default unless `showDefault` is false.
    template<typename Number>
    CLI::Option *add(CLI::App &command, const std::string &name, Number &target,
                     const NumberRange &range, const std::string &description,
                     bool showDefault = true)
    {
        Entry &entry = m_entries.emplace_back();
        entry.name = name.substr(0, name.find(','));
        entry.range = range;
        entry.set = [&target](double value) { target = static_cast<Number>(value); };
        entry.option = command.add_option(name, entry.text, description);
        if (showDefault)
            entry.option->default_str(shortestDecimal(static_cast<double>(target)));
        return entry.option;
    }

    // Reads every option given; the first refusal, or nothing.
    std::optional<std::string> read()
    {
        for (const Entry &entry : m_entries) {
            if (entry.option->count() == 0)
                continue;
            const auto value = numberInRange(entry.name, entry.text, entry.range);
            if (!value)
                return value.error() + ".";
            entry.set(*value);
        }
        return std::nullopt;
    }

private:
    struct Entry
    {
        std::string name;
        std::string text;
        NumberRange range;
        std::function<void(double)> set;
        CLI::Option *option = nullptr;
    };
    std::deque<Entry> m_entries; // a deque keeps each text where CLI11 writes it
};

// "Ticks per second (from 1 to 1000)".
std::string withRange(const std::string &description, const NumberRange &range)
{
    return description + " (" + rangeText(range) + ")";
}

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
// Where the documents --help names are: docs\ beside the program on Windows (the zip and the
// installer put them there), the package's documentation folder elsewhere.
std::string documentsFolder()
{
#ifdef _WIN32
    return "docs\\";
#else
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return TESSA_DOCUMENTS_FROM_PROGRAM "/";
    return (program.parent_path() / TESSA_DOCUMENTS_FROM_PROGRAM).lexically_normal().string() + "/";
#endif
}

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
    app.footer("The commands and the manifest format: " + documentsFolder() + "tessanim.md");
    // At most one subcommand; that there is one, and that it is one of ours, is checked here
    // rather than by CLI11, which calls an unknown command an unexpected argument.
    app.require_subcommand(0, 1);
    // Options are spelt alike everywhere, and on Windows a path may start with a slash.
    app.allow_windows_style_options(false);

    NumberOptions numbers;
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
    numbers.add(*frame, "LINE", line, kLineRange, "List line of the image, from 1", false)
            ->required();
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
    numbers.add(*renderMovie, "--tick-rate", render.tickRate, kTickRateRange,
                withRange("Ticks per second", kTickRateRange));
    numbers.add(*renderMovie, "--pause-multiplier", render.pauseMultiplier, kPauseMultiplierRange,
                withRange("Ticks per pause unit", kPauseMultiplierRange));
    numbers.add(*renderMovie, "--scale", render.scale, kScaleRange,
                withRange("Whole enlargement of every pixel", kScaleRange));
    std::string aspect = "16:10";
    renderMovie->add_option("--aspect", aspect, "4:3 stretches the 200 rows to 240")
            ->capture_default_str()
            ->check(CLI::IsMember({"16:10", "4:3"}));
    addPaletteOption(*renderMovie, render.palette, "the movie");
    numbers.add(*renderMovie, "--from", render.fromLine, kLineRange,
                "First list line to play, from 1", false);
    numbers.add(*renderMovie, "--to", render.toLine, kLineRange,
                "Last list line to play (default: the last)", false);
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
    numbers.add(
            *encodeMovie, "--quality", encode.quality, kQualityRange,
            withRange("How closely the screen follows the movie; lower is smaller", kQualityRange));
    numbers.add(*encodeMovie, "--max-bytes", encode.maxBytes, kMaxBytesRange,
                withRange("Make the file at most this many bytes, at the best quality that fits "
                          "(up to --quality)",
                          kMaxBytesRange),
                false);
    numbers.add(*encodeMovie, "--sound", encode.sound, kSoundNumberRange,
                withRange("Write the movie's sound as the game's sound N and play it from the "
                          "start",
                          kSoundNumberRange),
                false);
    encodeMovie->add_option("--sounds", encode.soundFolder,
                            "Folder of the game's sound files, for --sound");
    encodeMovie->add_option("--sound-pattern", encode.soundPattern,
                            "File name of sound n, such as SOUND%02d.VOC, for --sound");
    encodeMovie->add_flag("--force", encode.force, "Let --sound replace an existing sound file");
    numbers.add(*encodeMovie, "--tick-rate", encode.tickRate, kTickRateRange,
                withRange("Ticks per second the game plays at", kTickRateRange));
    numbers.add(*encodeMovie, "--pause-multiplier", encode.pauseMultiplier, kPauseMultiplierRange,
                withRange("Ticks per pause unit", kPauseMultiplierRange));
    numbers.add(*encodeMovie, "--fps", encode.fps, kPicturesPerSecondRange,
                withRange("Pictures a second of a folder or pattern", kPicturesPerSecondRange));
    numbers.add(*encodeMovie, "--from", encode.from, kMovieSecondsRange,
                withRange("Seconds into the movie to start at", kMovieSecondsRange));
    numbers.add(
            *encodeMovie, "--to", encode.to, kMovieSecondsRange,
            withRange("Seconds into the movie to end at (default: its end)", kMovieSecondsRange),
            false);
    encodeMovie
            ->add_option("--fit", encode.fit,
                         "How a picture becomes the 4:3 screen: crop, pad (black bars) or stretch")
            ->capture_default_str()
            ->check(CLI::IsMember({"crop", "pad", "stretch"}));

    SoundChoices sound;
    CLI::App *makeSound = app.add_subcommand(
            "sound", "Make any sound or movie's sound into the game's sound file N");
    makeSound
            ->add_option("AUDIO", in,
                         "Sound file (WAV, MP3, OGG, Opus, FLAC, ...) or movie, as FFmpeg reads it")
            ->required();
    numbers.add(*makeSound, "N", sound.number, kSoundNumberRange,
                withRange("The sound's number", kSoundNumberRange), false)
            ->required();
    makeSound->add_option("--sounds", sound.soundFolder, "Folder of the game's sound files");
    makeSound->add_option("--sound-pattern", sound.soundPattern,
                          "File name of sound n, such as SOUND%02d.VOC");
    numbers.add(*makeSound, "--from", sound.from, kMovieSecondsRange,
                withRange("Seconds into the audio to start at", kMovieSecondsRange));
    numbers.add(*makeSound, "--to", sound.to, kMovieSecondsRange,
                withRange("Seconds into the audio to end at (default: its end)",
                          kMovieSecondsRange),
                false);
    makeSound->add_flag("--keep-level", sound.keepLevel,
                        "Keep the sound's level rather than bring its loudest moment to full");
    makeSound->add_flag("--force", sound.force,
                        "Replace an existing sound file (the old one is kept as .bak)");

    CLI::App *run = app.add_subcommand("run", "Run a Lua script with the tessa library (see "
                                                      + documentsFolder() + "scripting.md)");
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
    if (const auto refusal = numbers.read())
        return usageFailure(*refusal);

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
        else if (makeSound->parsed())
            result = soundCommand(in, sound);
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
