// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tessanim diff: a patch from two files, or from two folders.
#include "commands.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "document/nativefile.h"
#include "document/paths.h"
#include "patch/patchmaker.h"
#include "patch/patchreader.h"
#include "patch/patchwriter.h"
#include "refusal.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <ostream>
#include <system_error>

namespace tessa {

namespace {

namespace fs = std::filesystem;

bool isFolder(const std::string &path)
{
    std::error_code ignored;
    return fs::is_directory(pathFromText(path), ignored);
}

// The files under `folder`, by their names relative to it with "/" between parts, sorted.
Expected<std::vector<std::string>, Notice> filesUnder(const std::string &folder)
{
    std::vector<std::string> names;
    std::error_code error;
    const fs::path root = pathFromText(folder);
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        std::string name;
        for (const fs::path &part : it->path().lexically_relative(root))
            name += (name.empty() ? "" : "/") + textFromPath(part);
        names.push_back(std::move(name));
    }
    if (error)
        return refusal("Could not read the folder \"" + folder + "\": " + error.message() + ".");
    std::sort(names.begin(), names.end());
    return names;
}

// One file of a folder patch: the changed file against its original, or against nothing when
// the original folder lacks it. Nothing when the two are the same.
Expected<std::optional<FilePatch>, Notice> folderEntry(const std::string &originalFolder,
                                                       const std::string &changedFolder,
                                                       const std::string &name)
{
    if (!isSafeRelativeName(name) || name.size() > std::numeric_limits<std::uint16_t>::max())
        return refusal("The file \"" + name + "\" has a name that a patch cannot hold.");
    const auto changed = readWholeFile(joinPath(changedFolder, name));
    if (!changed)
        return Unexpected{fileFailureNotice(changed.error())};
    const std::string originalPath = joinPath(originalFolder, name);
    std::error_code ignored;
    const bool isNew = !fs::is_regular_file(pathFromText(originalPath), ignored);
    std::vector<std::uint8_t> original;
    if (!isNew) {
        auto read = readWholeFile(originalPath);
        if (!read)
            return Unexpected{fileFailureNotice(read.error())};
        if (*read == *changed)
            return std::optional<FilePatch>();
        original = std::move(*read);
    }
    auto file = makeFilePatch(original, *changed, name);
    if (!file)
        return Unexpected{file.error()};
    file->name = name;
    file->isNew = isNew;
    return std::optional<FilePatch>(std::move(*file));
}

Expected<Patch, Notice> folderPatch(const std::string &originalFolder,
                                    const std::string &changedFolder)
{
    const auto names = filesUnder(changedFolder);
    if (!names)
        return Unexpected{names.error()};
    Patch patch;
    patch.forFolder = true;
    for (const std::string &name : *names) {
        auto entry = folderEntry(originalFolder, changedFolder, name);
        if (!entry)
            return Unexpected{entry.error()};
        if (*entry)
            patch.files.push_back(std::move(**entry));
    }
    if (patch.files.empty())
        return refusal("\"" + changedFolder + "\" holds no file that \"" + originalFolder
                       + "\" lacks or holds with other bytes: there is nothing to patch.");
    return patch;
}

Expected<Patch, Notice> filePatch(const std::string &originalPath, const std::string &changedPath)
{
    const auto original = readWholeFile(originalPath);
    if (!original)
        return Unexpected{fileFailureNotice(original.error())};
    const auto changed = readWholeFile(changedPath);
    if (!changed)
        return Unexpected{fileFailureNotice(changed.error())};
    return makePatch(*original, *changed, GetFileName(changedPath));
}

// A patch of one file whose result is its base: applying it changes nothing.
bool changesNothing(const Patch &patch)
{
    if (!patch.isForOneFile())
        return false;
    const FilePatch &file = patch.files.front();
    return !file.isNew && file.baseSize == file.resultSize && file.baseHash == file.resultHash;
}

} // namespace

CommandResult diffCommand(const std::string &originalPath, const std::string &changedPath,
                          const std::string &patchPath, std::ostream &warnings)
{
    const bool folders = isFolder(originalPath);
    if (folders != isFolder(changedPath))
        return refusal("Give two animation files or two folders, not one of each.");
    const auto patch =
            folders ? folderPatch(originalPath, changedPath) : filePatch(originalPath, changedPath);
    if (!patch)
        return Unexpected{patch.error()};
    const auto written = replaceFile(patchPath, writePatch(*patch), Backup::None);
    if (!written)
        return Unexpected{fileFailureNotice(written.error())};
    // Still written, so that a script can count on PATCH; but two identical files are more
    // often a mistake in the names than a wish for an empty patch. Two identical folders make
    // no patch at all (folderPatch refuses them), since a folder patch of no file cannot exist.
    if (changesNothing(*patch))
        warnings << "Warning: " << originalPath << " and " << changedPath
                 << " are identical: the patch " << patchPath << " changes nothing.\n";
    return Done{};
}

} // namespace tessa
