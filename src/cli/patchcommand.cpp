// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tessanim patch: a patch applied to a file or a folder, checked, or described.
#include "commands.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "document/nativefile.h"
#include "document/paths.h"
#include "patch/patchapplier.h"
#include "patch/patchnotices.h"
#include "patch/patchreader.h"
#include "refusal.h"

#include <filesystem>
#include <system_error>

namespace tessa {

namespace {

namespace fs = std::filesystem;

Expected<Patch, Notice> loadPatch(const std::string &patchPath)
{
    const auto bytes = readWholeFile(patchPath);
    if (!bytes)
        return Unexpected{fileFailureNotice(bytes.error())};
    return readPatch(*bytes, GetFileName(patchPath));
}

// A made file and where it goes.
struct MadeFile
{
    std::string path;
    std::vector<std::uint8_t> bytes;
};

Expected<MadeFile, Notice> applyToFile(const Patch &patch, const std::string &patchPath,
                                       const std::string &originalPath, const std::string &outPath)
{
    const std::string patchName = GetFileName(patchPath);
    if (patch.forFolder)
        return refusal(patchName
                       + " is a patch of a folder: give the original folder and a "
                         "folder to write to.");
    const auto original = readWholeFile(originalPath);
    if (!original)
        return Unexpected{fileFailureNotice(original.error())};
    auto made = applyPatch(patch, *original, GetFileName(originalPath), patchName);
    if (!made)
        return Unexpected{made.error()};
    return MadeFile{outPath, std::move(*made)};
}

// Every file the patch makes, all checked before the first is written.
Expected<std::vector<MadeFile>, Notice> applyToFolder(const Patch &patch,
                                                      const std::string &patchPath,
                                                      const std::string &originalFolder,
                                                      const std::string &outFolder)
{
    const std::string patchName = GetFileName(patchPath);
    if (!patch.forFolder)
        return refusal(patchName
                       + " is a patch of one file: give the original file and a file "
                         "to write.");
    std::vector<MadeFile> made;
    for (const FilePatch &file : patch.files) {
        std::vector<std::uint8_t> original;
        if (!file.isNew) {
            auto read = readWholeFile(joinPath(originalFolder, file.name));
            if (!read)
                return Unexpected{fileFailureNotice(read.error())};
            original = std::move(*read);
        }
        auto bytes = applyFilePatch(file, original, file.name, patchName);
        if (!bytes)
            return Unexpected{bytes.error()};
        made.push_back({joinPath(outFolder, file.name), std::move(*bytes)});
    }
    return made;
}

Expected<std::vector<MadeFile>, Notice>
applyAny(const std::string &originalPath, const std::string &patchPath, const std::string &outPath)
{
    const auto patch = loadPatch(patchPath);
    if (!patch)
        return Unexpected{patch.error()};
    std::error_code ignored;
    if (fs::is_directory(pathFromText(originalPath), ignored))
        return applyToFolder(*patch, patchPath, originalPath, outPath);
    auto made = applyToFile(*patch, patchPath, originalPath, outPath);
    if (!made)
        return Unexpected{made.error()};
    std::vector<MadeFile> files;
    files.push_back(std::move(*made));
    return files;
}

CommandResult writeMadeFile(const MadeFile &file)
{
    std::error_code error;
    const fs::path folder = pathFromText(file.path).parent_path();
    if (!folder.empty())
        fs::create_directories(folder, error);
    if (error)
        return refusal("Could not create the folder \"" + GetFolder(file.path)
                       + "\": " + error.message() + ".");
    const auto written = replaceFile(file.path, file.bytes, Backup::Keep);
    if (!written)
        return Unexpected{fileFailureNotice(written.error())};
    return Done{};
}

void describeFile(const FilePatch &file, std::ostream &out)
{
    std::uint64_t taken = 0;
    std::uint64_t carriedItems = 0;
    std::uint64_t trailing = 0;
    for (const PatchStep &step : file.steps) {
        if (step.kind == PatchStep::Kind::Copy)
            taken += step.count;
        else if (step.kind == PatchStep::Kind::Carry)
            carriedItems += step.count;
        else if (step.kind == PatchStep::Kind::Tail)
            trailing += step.length;
    }
    if (file.isNew)
        out << "Base: none, a new file\n";
    else
        out << "Base: " << withThousands(file.baseSize) << " bytes, SHA-256 "
            << hexDigest(file.baseHash) << '\n';
    out << "Result: " << withThousands(file.resultSize) << " bytes, SHA-256 "
        << hexDigest(file.resultHash) << '\n';
    out << "Items taken from the base: " << withThousands(taken) << '\n';
    out << "Items carried: " << withThousands(carriedItems) << '\n';
    out << "Trailing bytes carried: " << withThousands(trailing) << '\n';
    out << "Carried bytes: " << withThousands(file.carriedSize()) << ", "
        << withThousands(file.packedSize()) << " compressed\n";
}

} // namespace

CommandResult patchCommand(const std::string &originalPath, const std::string &patchPath,
                           const std::string &outPath)
{
    const auto made = applyAny(originalPath, patchPath, outPath);
    if (!made)
        return Unexpected{made.error()};
    for (const MadeFile &file : *made) {
        if (auto written = writeMadeFile(file); !written)
            return written;
    }
    return Done{};
}

CommandResult patchCheckCommand(const std::string &originalPath, const std::string &patchPath,
                                std::ostream &out)
{
    const auto made = applyAny(originalPath, patchPath, std::string());
    if (!made)
        return Unexpected{made.error()};
    out << GetFileName(patchPath) << " applies to " << originalPath << ".\n";
    return Done{};
}

CommandResult patchInfoCommand(const std::string &patchPath, std::ostream &out)
{
    const auto patch = loadPatch(patchPath);
    if (!patch)
        return Unexpected{patch.error()};
    out << "Patch format version " << kPatchVersion << ", ";
    if (!patch->forFolder) {
        out << "one file\n";
        describeFile(patch->files.front(), out);
        return Done{};
    }
    out << "a folder of " << withThousands(patch->files.size())
        << (patch->files.size() == 1 ? " file\n" : " files\n");
    for (const FilePatch &file : patch->files) {
        out << '\n' << file.name << '\n';
        describeFile(file, out);
    }
    return Done{};
}

} // namespace tessa
