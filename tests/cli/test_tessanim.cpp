// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built tessanim run as a user runs it, on files made by the core's writer or byte by byte.
#include "animbytes.h"
#include "document/animfile.h"
#include "document/paths.h"
#include "imaging/bmp.h"
#include "imaging/palette.h"
#include "imaging/paletteloader.h"
#include "manifest.h"
#include "runtool.h"

#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <set>
#include <string_view>

using namespace tessa;
using namespace tessa::test;

namespace {

const Bytes kEndChunk(6, 0);

Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A file starting with image number 1 on `background`, with a few pixels set.
Bytes firstImage(std::uint8_t background = 0)
{
    Bytes file;
    appendItem(file, "GR", 1, Bytes{background} + copyChunk(5, {1, 2, 3}) + kEndChunk);
    return file;
}

Bytes frameOf(std::uint8_t index)
{
    return Bytes(kFrameSize, index);
}

// The file the core writes for `items`.
Bytes animationFile(const ItemList &items)
{
    auto bytes = writeAnimation(items);
    EXPECT_TRUE(bytes) << bytes.error().text;
    return bytes ? *bytes : Bytes{};
}

// The reader's error as the terminal shows it.
std::string printed(const Notice &notice)
{
    std::string text = notice.text;
    for (auto at = text.find('\r'); at != std::string::npos; at = text.find('\r'))
        text.erase(at, 1);
    return text + "\n";
}

Bytes bmpOf(const Bytes &pixels, int palette = 0)
{
    return AddBMPHeader(kFrameWidth, kFrameHeight, pixels,
                        paletteColorsFromData(builtInPalette(palette)));
}

// GR, FI, GR, PA, FO, XX: images at positions 0 and 2.
ItemList twoImages()
{
    Bytes second = frameOf(4);
    second[kFrameSize - 1] = 77;
    return {makeImageItem(frameOf(3)), makeFadeInItem(),  makeImageItem(second),
            makePauseItem(30),         makeFadeOutItem(), makeEndItem()};
}

} // namespace

TEST(TessanimList, PrintsTheListLineOfEveryItem)
{
    TempFolder folder;
    Bytes file = firstImage();
    appendItem(file, "PA", 2, {0x1E, 0x00});
    appendItem(file, "ZZ", 3, {0x01});
    appendItem(file, "SD", 4, {0xFF, 0xFF});
    appendItem(file, "PA", 5, {0xFF, 0xFF, 0xFF, 0xFF});
    appendItem(file, "FI", 6, {});
    appendItem(file, "XX", 7, {});
    writeBytes(folder.file("EANIM.QLM"), file);

    const ToolRun run = runTool(folder, {"list", folder.file("EANIM.QLM")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Image\nPause: 30\n\nPlay sound: 65535\nPause: -1\nFade in\nEnd\n");
    EXPECT_EQ(run.err, "");

    writeBytes(folder.file("empty.QLM"), {});
    const ToolRun empty = runTool(folder, {"list", folder.file("empty.QLM")});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
}

TEST(TessanimErrors, ReaderErrorIsPrintedAsTheEditorShowsIt)
{
    TempFolder folder;
    Bytes file;
    appendItem(file, "FI", 1, {});
    writeBytes(folder.file("bad.QLM"), file);
    const std::string bad = folder.file("bad.QLM");
    const std::string out = folder.file("out");

    const std::vector<std::vector<std::string>> commands{
            {"list", bad},        {"resave", bad, out},
            {"export", bad, out}, {"frame", bad, "1", out},
            {"unpack", bad, out},
    };
    for (const auto &command : commands) {
        const ToolRun run = runTool(folder, command);
        EXPECT_EQ(run.status, 1) << command[0];
        EXPECT_EQ(run.err, "Error: 9001\nDescription: Invalid file type.\nLocation: OpenAnim\n")
                << command[0];
        EXPECT_EQ(run.out, "") << command[0];
    }
    EXPECT_FALSE(std::filesystem::exists(out)) << "nothing is written for a file that fails";
}

TEST(TessanimErrors, MissingFileIsNamed)
{
    TempFolder folder;
    const ToolRun run = runTool(folder, {"list", folder.file("nothere.QLM")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("nothere.QLM"), std::string::npos) << run.err;
}

TEST(TessanimUsage, MistakesInTheCommandLineExitWithTwo)
{
    TempFolder folder;
    const std::string file = folder.file("a.QLM");
    writeBytes(file, animationFile(twoImages()));
    const std::vector<std::vector<std::string>> commands{
            {},
            {"play", file},
            {"list"},
            {"list", file, "extra"},
            {"resave", file},
            {"export", file},
            {"frame", file, "abc", folder.file("f.bmp")},
            {"frame", file, "0", folder.file("f.bmp")},
            {"frame", file, "-1", folder.file("f.bmp")},
            {"frame", file, "1"},
            {"export", file, folder.file("x"), "--palette"},
            {"build", "--bogus", file, file},
    };
    for (const auto &command : commands) {
        const ToolRun run = runTool(folder, command);
        std::string shown;
        for (const auto &word : command)
            shown += word + " ";
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_NE(run.err, "") << shown;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("f.bmp")));
}

TEST(TessanimUsage, NumbersOutOfTheirRangeAreRefusedInWordsBeforeAnythingIsRead)
{
    TempFolder folder;
    const std::string file = folder.file("a.QLM");
    writeBytes(file, animationFile(twoImages()));
    const std::string movie = folder.file("missing.mp4");
    const std::string out = folder.file("out.QLM");
    const struct
    {
        std::vector<std::string> command;
        std::string err;
    } rows[] = {
            {{"encode", movie, out, "--max-bytes", "abc"}, "--max-bytes: \"abc\" is not a number."},
            {{"encode", movie, out, "--tick-rate", "0"},
             "--tick-rate must be from 1 to 1000, not 0."},
            {{"encode", movie, out, "--tick-rate", "1e9"},
             "--tick-rate must be from 1 to 1000, not 1000000000."},
            {{"encode", movie, out, "--pause-multiplier", "0.001"},
             "--pause-multiplier must be from 0.1 to 100, not 0.001."},
            {{"encode", movie, out, "--fps", "0"}, "--fps must be from 0.1 to 1000, not 0."},
            {{"encode", movie, out, "--quality=101"},
             "--quality must be a whole number from 0 to 100, not 101."},
            {{"encode", movie, out, "--sound", "100"},
             "--sound must be a whole number from 0 to 99, not 100."},
            {{"encode", movie, out, "--max-bytes", "500"},
             "--max-bytes must be 0 (no limit) or a whole number from 1000 to 2000000000, not "
             "500."},
            {{"render", file, out + ".gif", "--scale", "9"},
             "--scale must be a whole number from 1 to 8, not 9."},
            {{"render", file, out + ".gif", "--pause-multiplier", "0"},
             "--pause-multiplier must be from 0.1 to 100, not 0."},
            {{"frame", file, "0", folder.file("f.bmp")},
             "LINE must be a whole number from 1 to 2147483647, not 0."},
    };
    for (const auto &row : rows) {
        const ToolRun run = runTool(folder, row.command);
        EXPECT_EQ(run.status, 2) << row.err;
        EXPECT_EQ(run.err, row.err + "\nRun with --help for more information.\n");
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(std::filesystem::exists(out + ".gif"));

    // 0 is no limit, on the command line as in scripts and manifests: the movie is what fails.
    const ToolRun unlimited = runTool(folder, {"encode", movie, out, "--max-bytes", "0"});
    EXPECT_EQ(unlimited.status, 1);
    EXPECT_NE(unlimited.err.find("missing.mp4"), std::string::npos) << unlimited.err;
}

TEST(TessanimUsage, HelpAndVersionExitWithZero)
{
    TempFolder folder;
    const ToolRun version = runTool(folder, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tessanim ") + TESSA_VERSION + "\n");

    const ToolRun help = runTool(folder, {"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char *command : {"list", "resave", "export", "frame", "unpack", "build"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;

    const ToolRun frameHelp = runTool(folder, {"frame", "--help"});
    EXPECT_EQ(frameHelp.status, 0);
    EXPECT_NE(frameHelp.out.find("--palette"), std::string::npos);
}

TEST(TessanimUsage, UnknownOrMissingCommandListsTheCommands)
{
    TempFolder folder;
    const std::string commands =
            "list, resave, export, frame, unpack, build, diff, patch, render, encode, sound, run.\n"
            "Run with --help for more information.\n";
    const struct
    {
        std::vector<std::string> arguments;
        std::string err;
    } rows[] = {
            {{"play", "a.QLM"}, "Unknown command 'play'. The commands are: " + commands},
            {{"List"}, "Unknown command 'List'. The commands are: " + commands},
            {{}, "A command is needed: " + commands},
    };
    for (const auto &row : rows) {
        const ToolRun run = runTool(folder, row.arguments);
        EXPECT_EQ(run.status, 2) << row.err;
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(run.out, "");
    }
}

// Every word reaches tessanim as it was given, however it has to be quoted on the way (tessanim
// prints an unknown command back as it got it), and a program that cannot be started is
// reported with the reason, not a bare status.
TEST(ToolRuns, WordsArriveAsGivenAndAFailureToStartIsExplained)
{
    TempFolder folder;
    for (const std::string word :
         {"two words", "a \"quoted\" word", "back\\slash", "ends in a backslash\\",
          "\\\\\" mixed \\\"", "", "$HOME 'single' %PATH% & | <>", "\u00FCn\u00EFc\u00F6de"}) {
        const ToolRun run = runTool(folder, {word, "second"});
        EXPECT_EQ(run.status, 2) << word;
        EXPECT_EQ(run.err.substr(0, run.err.find(" The commands")),
                  "Unknown command '" + word + "'.");
    }
    const std::string missing = folder.file("no-such-program");
    const ToolRun none = runProgram(missing, folder, {});
    EXPECT_NE(none.status, 0);
    EXPECT_NE(none.err.find("no-such-program"), std::string::npos) << none.err;
}

namespace {

// The words of `text` that start with "--" and a letter: the long options it names.
std::set<std::string> longOptions(const std::string &text)
{
    const auto isWordCharacter = [&](std::size_t at) {
        return at < text.size()
               && (std::isalnum(static_cast<unsigned char>(text[at])) || text[at] == '-');
    };
    std::set<std::string> options;
    for (auto at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
        if (at + 2 >= text.size() || !std::isalpha(static_cast<unsigned char>(text[at + 2])))
            continue;
        auto end = at + 2;
        while (isWordCharacter(end))
            ++end;
        options.insert(text.substr(at, end - at));
    }
    return options;
}

} // namespace

// What `--help` offers is what docs/tessanim.md explains, command by command, and the other way
// round; and no command's help calls its files BMP files when it writes others too.
TEST(TessanimUsage, HelpAndDocumentationAgree)
{
    TempFolder folder;
    const std::string docs = readText(std::string(TESSA_SOURCE_DIR) + "/docs/tessanim.md");
    ASSERT_FALSE(docs.empty());
    const auto usageStart = docs.find("```\ntessanim ");
    ASSERT_NE(usageStart, std::string::npos);
    const std::string usage =
            docs.substr(usageStart, docs.find("```", usageStart + 3) - usageStart);

    std::set<std::string> helped{"--help", "--version"};
    for (const char *command : {"list", "resave", "export", "frame", "unpack", "build", "diff",
                                "patch", "render", "encode", "sound"}) {
        EXPECT_NE(usage.find(std::string("\ntessanim ") + command + " "), std::string::npos)
                << command << " is missing from the usage lines";
        const ToolRun help = runTool(folder, {command, "--help"});
        ASSERT_EQ(help.status, 0) << command;
        for (const std::string &option : longOptions(help.out)) {
            helped.insert(option);
            if (option != "--help") {
                EXPECT_NE(usage.find(option), std::string::npos)
                        << command << ' ' << option << " is missing from the usage lines";
            }
        }
        if (std::string_view(command) != "build") {
            EXPECT_EQ(help.out.find("BMP files"), std::string::npos) << command << help.out;
        }
    }
    for (const std::string &option : longOptions(docs))
        EXPECT_TRUE(helped.contains(option)) << option << " is documented but not offered";
    for (const char *form : {"image FILE match", "image FILE dither", "--format png"})
        EXPECT_NE(docs.find(form), std::string::npos) << form;
}

TEST(TessanimResave, WritesWhatTheCoreWritesAndKeepsTheOldFile)
{
    TempFolder folder;
    // Stored out of order and with a stale number: resaving renumbers.
    Bytes file = firstImage(7);
    appendItem(file, "PA", 9, {0x05, 0x00});
    appendItem(file, "XX", 0, {});
    writeBytes(folder.file("in.QLM"), file);
    const auto items = readAnimation(file);
    ASSERT_TRUE(items);
    const Bytes expected = animationFile(*items);
    ASSERT_NE(expected, file);

    const ToolRun fresh =
            runTool(folder, {"resave", folder.file("in.QLM"), folder.file("new.QLM")});
    EXPECT_EQ(fresh.status, 0) << fresh.err;
    EXPECT_EQ(readBytes(folder.file("new.QLM")), expected);
    EXPECT_FALSE(std::filesystem::exists(folder.file("new.QLM.bak")));

    writeText(folder.file("old.QLM"), "previous");
    const ToolRun over = runTool(folder, {"resave", folder.file("in.QLM"), folder.file("old.QLM")});
    EXPECT_EQ(over.status, 0) << over.err;
    EXPECT_EQ(readBytes(folder.file("old.QLM")), expected);
    EXPECT_EQ(readText(folder.file("old.QLM.bak")), "previous");
}

TEST(TessanimBuild, KeepsTheOldFileAndRefusesBadManifests)
{
    TempFolder folder;
    writeBytes(folder.file("a.bmp"), bmpOf(frameOf(6)));
    writeText(folder.file("m.txt"), "image a.bmp\nend\n");
    writeText(folder.file("out.QLM"), "previous");
    const ToolRun run = runTool(folder, {"build", folder.file("m.txt"), folder.file("out.QLM")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(folder.file("out.QLM")),
              animationFile({makeImageItem(frameOf(6)), makeEndItem()}));
    EXPECT_EQ(readText(folder.file("out.QLM.bak")), "previous");

    const struct
    {
        std::string manifest;
        std::string err;
    } rows[] = {
            {"image a.bmp\npase 30\nend\n", "manifest line 2: unknown keyword 'pase'\n"},
            {"image a.bmp\nimage m.txt\n",
             "manifest line 2: image \"m.txt\":\n"
                     + RemoveBMPHeader(readBytes(folder.file("m.txt"))).error().text + "\n"},
            {"fade in\nimage a.bmp\n", "The animation must begin with an image.\n"},
    };
    for (const auto &row : rows) {
        writeText(folder.file("m.txt"), row.manifest);
        const ToolRun bad = runTool(folder, {"build", folder.file("m.txt"), folder.file("b.QLM")});
        EXPECT_EQ(bad.status, 1) << row.manifest;
        EXPECT_EQ(bad.err, row.err) << row.manifest;
        EXPECT_FALSE(std::filesystem::exists(folder.file("b.QLM"))) << row.manifest;
    }
}

TEST(TessanimExport, WritesEveryImageNamedByItsPosition)
{
    TempFolder folder;
    const ItemList items = twoImages();
    writeBytes(folder.file("EANIM.QLM"), animationFile(items));
    const std::string out = folder.file("frames/new");
    // An older, longer file of the same name must not leave anything behind.
    std::filesystem::create_directories(out);
    writeBytes(joinPath(out, "EANIM-QLM-3.bmp"), Bytes(70000, 0xEE));

    const ToolRun run = runTool(folder, {"export", folder.file("EANIM.QLM"), out});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(out))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"EANIM-QLM-1.bmp", "EANIM-QLM-3.bmp"}));
    EXPECT_EQ(readBytes(joinPath(out, "EANIM-QLM-1.bmp")), bmpOf(items[0].Pixels));
    EXPECT_EQ(readBytes(joinPath(out, "EANIM-QLM-3.bmp")), bmpOf(items[2].Pixels));
}

TEST(TessanimExport, PaletteIsMainExtraOrAFile)
{
    TempFolder folder;
    const ItemList items = twoImages();
    writeBytes(folder.file("A.QLM"), animationFile(items));
    Bytes raw(768);
    for (std::size_t i = 0; i < raw.size(); ++i)
        raw[i] = static_cast<std::uint8_t>(i * 7);
    writeBytes(folder.file("raw.pal"), raw);
    const auto rawColors = paletteColorsFromData(*LoadPaletteDataFromFile(folder.file("raw.pal")));
    writeText(folder.file("junk.pal"), "RIFF but nothing like a palette");

    const struct
    {
        std::string palette;
        Bytes bmp;
    } rows[] = {
            {"main", bmpOf(items[0].Pixels, 0)},
            {"extra", bmpOf(items[0].Pixels, 1)},
            {folder.file("raw.pal"),
             AddBMPHeader(kFrameWidth, kFrameHeight, items[0].Pixels, rawColors)},
    };
    ASSERT_NE(rows[0].bmp, rows[1].bmp);
    for (const auto &row : rows) {
        const std::string out = folder.file("out.bmp");
        const ToolRun run = runTool(
                folder, {"frame", folder.file("A.QLM"), "1", out, "--palette", row.palette});
        EXPECT_EQ(run.status, 0) << row.palette << ": " << run.err;
        EXPECT_EQ(readBytes(out), row.bmp) << row.palette;
        const ToolRun all = runTool(
                folder, {"export", "-p", row.palette, folder.file("A.QLM"), folder.file("d")});
        EXPECT_EQ(all.status, 0) << row.palette << ": " << all.err;
        EXPECT_EQ(readBytes(folder.file("d/A-QLM-1.bmp")), row.bmp) << row.palette;
    }

    const ToolRun junk = runTool(folder, {"export", folder.file("A.QLM"), folder.file("j"),
                                          "--palette", folder.file("junk.pal")});
    EXPECT_EQ(junk.status, 1);
    EXPECT_EQ(junk.err, printed(LoadPaletteDataFromFile(folder.file("junk.pal")).error()));
    EXPECT_FALSE(std::filesystem::exists(folder.file("j")));
}

TEST(TessanimFrame, WritesTheImageOfOneLineAndRefusesOthers)
{
    TempFolder folder;
    ItemList items = twoImages();
    items.insert(items.end() - 1, [] {
        AnimItem unknown;
        unknown.Code = "ZZ";
        return unknown;
    }());
    writeBytes(folder.file("A.QLM"), animationFile(items));
    const std::string in = folder.file("A.QLM");
    const std::string out = folder.file("f.bmp");

    const ToolRun run = runTool(folder, {"frame", in, "3", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(out), bmpOf(items[2].Pixels));
    std::filesystem::remove(out);

    const struct
    {
        std::string line;
        std::string err;
    } rows[] = {
            {"2", "The item on line 2 is not an image but \"Fade in\".\n"},
            {"4", "The item on line 4 is not an image but \"Pause: 30\".\n"},
            {"6", "The item on line 6 is not an image.\n"},
            {"8", "There is no line 8: the animation has 7 items.\n"},
    };
    for (const auto &row : rows) {
        const ToolRun refused = runTool(folder, {"frame", in, row.line, out});
        EXPECT_EQ(refused.status, 1) << row.line;
        EXPECT_EQ(refused.err, row.err) << row.line;
        EXPECT_FALSE(std::filesystem::exists(out)) << row.line;
    }
}

TEST(TessanimUnpack, WritesTheExportAndAManifest)
{
    TempFolder folder;
    const ItemList items = twoImages();
    writeBytes(folder.file("EANIM.QLM"), animationFile(items));
    const ToolRun run = runTool(folder, {"unpack", folder.file("EANIM.QLM"), folder.file("out")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(folder.file("out/EANIM-QLM-1.bmp")), bmpOf(items[0].Pixels));
    EXPECT_EQ(readBytes(folder.file("out/EANIM-QLM-3.bmp")), bmpOf(items[2].Pixels));
    EXPECT_EQ(readText(folder.file("out/EANIM-QLM.txt")), *writeManifest(items, "EANIM.QLM"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("out")), {}), 3);

#ifndef _WIN32 // no Windows file name holds a line break
    const std::string oddName = folder.file("two\nlines.QLM");
    writeBytes(oddName, animationFile(items));
    const ToolRun refused = runTool(folder, {"unpack", oddName, folder.file("odd")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("line break"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("odd")));
#endif
}

// The promise of unpack: whatever the reader accepts, building what it wrote gives exactly the
// bytes that resaving gives.
TEST(TessanimUnpack, BuildOfUnpackEqualsResaveForOddFiles)
{
    struct Case
    {
        std::string name; // the file's name: spaces and dots change the names unpack writes
        Bytes file;
    };
    std::vector<Case> cases;
    cases.push_back({"EMPTY.QLM", {}});
    {
        Bytes file = firstImage(3);
        appendItem(file, "PA", 2, {});
        appendItem(file, "PA", 3, {0x07});
        appendItem(file, "PA", 4, {0x01, 0x02, 0x03});
        appendItem(file, "PA", 5, {0x01, 0x02, 0x03, 0x04, 0x05});
        appendItem(file, "PA", 6, {0x1E, 0x00});
        appendItem(file, "SD", 7, {0x63, 0x00});
        appendItem(file, "SD", 8, {0x05, 0x00, 0x00, 0x00});
        appendItem(file, "XX", 9, {});
        cases.push_back({"PAUSES.QLM", file});
    }
    {
        Bytes file = firstImage();
        appendItem(file, "FI", 2, {}, -1);
        appendItem(file, "ZZ", 3, {}, std::numeric_limits<std::int32_t>::min());
        appendItem(file, "PA", 4, {}, -2);
        appendItem(file, "SD", 5, {}, -65536);
        appendItem(file, "XX", 6, {}, -5);
        cases.push_back({"negative.sizes.anim", file});
    }
    {
        Bytes file = firstImage();
        appendItem(file, "\xC3\xA9", 2, {0x01});
        appendItem(file, std::string("\0 ", 2), 3, {});
        appendItem(file, "gr", 4, {0x47, 0x52});
        appendItem(file, "0x", 5, {});
        appendItem(file, "# ", 6, {0x23});
        appendItem(file, "#!", 7, {});
        appendItem(file,
                   "\x7F"
                   "A",
                   8, {});
        appendItem(file, " G", 9, {});
        appendItem(file, "\r\n", 10, {0x0D, 0x0A});
        appendItem(file, "\xFF\xFF", 11, {}, -1);
        cases.push_back({" odd codes.QLM", file});
    }
    {
        Bytes file = firstImage();
        appendItem(file, "FI", 2, {0x01, 0x02});
        appendItem(file, "FO", 3, {0x00});
        appendItem(file, "XX", 4, {0xFF, 0xFF});
        appendItem(file, "XX", 5, {});
        cases.push_back({"payloads.QLM", file});
    }
    {
        // Later images: differences, none at all (size 0), only the end chunk, odd numbers.
        Bytes file;
        appendItem(file, "GR", 1,
                   Bytes{9} + copyChunk(0, {1, 2, 3}) + copyChunk(63990, Bytes(10, 250))
                           + kEndChunk);
        appendItem(file, "GR", 0, {});
        appendItem(file, "FI", -3, {});
        appendItem(file, "GR", 99, kEndChunk);
        appendItem(file, "GR", 4, copyChunk(1, {9}) + copyChunk(32000, Bytes(700, 0)) + kEndChunk);
        appendItem(file, "PA", 6, {0xFF, 0xFF});
        cases.push_back({"images.QLM", file});
    }
    {
        // No End item, and a stray byte that the reader ignores.
        Bytes file = firstImage(200);
        appendItem(file, "SD", 2, {0x01, 0x00});
        file.push_back(0x41);
        cases.push_back({"STRAY", file});
    }
    {
        Bytes large(1000);
        for (std::size_t i = 0; i < large.size(); ++i)
            large[i] = static_cast<std::uint8_t>(i);
        Bytes file = firstImage();
        appendItem(file, "ZZ", 2, large);
        cases.push_back({"LARGE.QLM", file});
    }

    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string in = folder.file(c.name);
        writeBytes(in, c.file);
        const auto items = readAnimation(c.file);
        ASSERT_TRUE(items) << items.error().text;
        const Bytes expected = animationFile(*items);
        EXPECT_EQ(expected.empty(), c.file.empty());

        const ToolRun resave = runTool(folder, {"resave", in, folder.file("resaved")});
        ASSERT_EQ(resave.status, 0) << resave.err;
        ASSERT_EQ(readBytes(folder.file("resaved")), expected);

        const ToolRun unpack = runTool(folder, {"unpack", in, folder.file("unpacked")});
        ASSERT_EQ(unpack.status, 0) << unpack.err;
        const std::string manifest = joinPath(folder.file("unpacked"), manifestFileName(in));
        const ToolRun build = runTool(folder, {"build", manifest, folder.file("built")});
        ASSERT_EQ(build.status, 0) << build.err << readText(manifest);
        EXPECT_EQ(readBytes(folder.file("built")), expected) << readText(manifest);
    }
}
