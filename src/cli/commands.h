// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"
#include "document/expected.h"
#include "document/notice.h"
#include "encodechoices.h"
#include "imaging/palette.h"
#include "imaging/paletteloader.h" // choosePalette, for --palette
#include "scripting/scriptmedia.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tessa {

// The subcommands of tessanim. Each does all of its work or reports why not with the notice to
// print; main() only turns the command line into one of these calls.
using CommandResult = Expected<Done, Notice>;

// Prints the list line of every item of the animation, one a line (an unknown code: empty).
CommandResult listCommand(const std::string &animationPath, std::ostream &out);

// Reads the animation and writes it to `outPath`, keeping a previous file there as ".bak".
CommandResult resaveCommand(const std::string &animationPath, const std::string &outPath);

// The kind of file the exporting commands write: an 8-bit BMP, or an 8-bit indexed PNG, both
// with the palette's colours and the frame's indices as they are.
enum class ImageFormat { Bmp, Png };

// "bmp" or "png", in any case; nothing for anything else.
std::optional<ImageFormat> imageFormatNamed(const std::string &name);

// Writes every image into `folder` (made if missing) named as the editor's export names it:
// EANIM.QLM's item at 0-based position 2 becomes EANIM-QLM-3.bmp (or .png).
CommandResult exportCommand(const std::string &animationPath, const std::string &folder,
                            const std::string &palette, ImageFormat format = ImageFormat::Bmp);

// Writes the image on 1-based list line `line` to `outPath`; refuses other lines.
CommandResult frameCommand(const std::string &animationPath, int line, const std::string &outPath,
                           const std::string &palette, ImageFormat format = ImageFormat::Bmp);

// Writes what exportCommand writes plus a manifest of every item (manifestFileName) that
// buildCommand turns back into the same animation.
CommandResult unpackCommand(const std::string &animationPath, const std::string &folder,
                            const std::string &palette, ImageFormat format = ImageFormat::Bmp);

// Builds the animation of the manifest at `manifestPath` and writes it to `outPath`, keeping a
// previous file there as ".bak". Images that match their colours match them to `palette`.
CommandResult buildCommand(const std::string &manifestPath, const std::string &outPath,
                           const std::string &palette = "main");

// Writes to `patchPath` the patch that turns `originalPath` into `changedPath`: two animation
// files, or two folders (a patch of every file of the changed folder that the original folder
// lacks or holds with other bytes). An existing patch file is replaced. Two identical files
// still make their patch, which changes nothing, with a warning on `warnings` that says so.
CommandResult diffCommand(const std::string &originalPath, const std::string &changedPath,
                          const std::string &patchPath, std::ostream &warnings);

// Writes what the patch makes of `originalPath` to `outPath`: a file (an existing one kept as
// ".bak"), or for a folder patch every file it makes into the folder `outPath` (made if missing;
// it may be the original folder). Nothing is written unless the patch applies to every file.
CommandResult patchCommand(const std::string &originalPath, const std::string &patchPath,
                           const std::string &outPath);

// Says on `out` that the patch applies to `originalPath`, or refuses as patchCommand would.
CommandResult patchCheckCommand(const std::string &originalPath, const std::string &patchPath,
                                std::ostream &out);

// Prints what the patch holds: for each file its base and result (sizes, SHA-256), the items it
// takes from the base and the bytes it carries.
CommandResult patchInfoCommand(const std::string &patchPath, std::ostream &out);

// The choices of `tessanim render`, as typed (lines from 1; toLine 0: to the last line).
struct RenderChoices
{
    double tickRate = 70.0;
    double pauseMultiplier = 1.0;
    int scale = 1;
    bool aspect43 = false;
    std::string palette = "main";
    int fromLine = 1;
    int toLine = 0;
    std::string soundFolder;
    std::string soundPattern;
    bool dryRun = false; // only print the size the GIF will have
};

// Writes the animation as it plays to `outPath` as a movie of the kind its extension names
// (.gif, .webm, .mp4, .png), printing a progress line on stderr when that is a terminal. Sounds
// that cannot be read are left out with a warning on `warnings`. With choices.dryRun nothing is
// written: the size of the GIF (exact, counted by writing it nowhere) is printed on stdout.
CommandResult renderCommand(const std::string &animationPath, const std::string &outPath,
                            const RenderChoices &choices, std::ostream &warnings);

// Makes the movie at `moviePath` (a movie file, a folder of numbered pictures, or a pattern such
// as shots/f_%04d.png) into an animation in the palette and writes it to `outPath`, keeping a
// previous file there as ".bak". Nothing is written when the movie is refused. With
// choices.maxBytes, the file is at most that long, at the best quality that fits. How far it is
// goes to standard error when that is a terminal.
CommandResult encodeCommand(const std::string &moviePath, const std::string &outPath,
                            const EncodeChoices &choices);

// renderCommand for items already read, in `colors` (choices.palette is not looked at): the
// part of it that needs the movie libraries, which scripts call too. `goOn`, when given, is
// asked after every screen: false stops the movie, leaving no file.
CommandResult renderItems(const ItemList &items, const std::string &outPath,
                          const PaletteColors &colors, const RenderChoices &choices,
                          std::ostream &warnings, const std::function<bool()> &goOn = {});

// The image and movie functions of tessanim's commands as scripts call them (tessa.image,
// frame:save to PNG, anim:render), for whoever runs scripts: tessanim, the editor.
ScriptMedia scriptMediaFunctions();

// How `tessanim run` runs a script.
struct RunOptions
{
    // The editor's rules: contained as a script from a stranger is (docs/scripting.md), files
    // outside the script's folder asked about on the terminal, and refused without one.
    bool safe = false;
    // Seconds after which the script is stopped; 0: none.
    double timeoutSeconds = 0;
};
inline constexpr double kShortestTimeout = 0.1;
inline constexpr double kLongestTimeout = 86400;

// Runs the Lua script at `scriptPath` with the tessa library (docs/scripting.md), `arguments` as
// its `...` and `arg`. A script that fails is refused with its error, which starts with the
// script's file and line.
CommandResult runCommand(const std::string &scriptPath, const std::vector<std::string> &arguments,
                         const RunOptions &options = {});

} // namespace tessa
