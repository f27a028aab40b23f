// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expected.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace tessa {

// A file operation that failed: what was attempted, on which path, and the system's reason.
struct IoError
{
    enum class Action { Read, Write };

    Action action = Action::Read;
    std::string path;
    std::string reason;

    // "Could not read "<path>": <reason>." or "Could not save "<path>": <reason>."
    std::string text() const;
};

// A file being written: every call reports the system's error, if any.
class OutputFile
{
public:
    virtual ~OutputFile() = default;
    virtual std::error_code write(std::span<const std::uint8_t> bytes) = 0;
    // Pushes everything written so far to the disk, not just to the system's cache.
    virtual std::error_code flushToDisk() = 0;
    virtual std::error_code close() = 0;
};

// The file-system steps that saving takes. The base class does them for real; tests derive from
// it to make any one step fail the way a full disk or a refusing folder would.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // The process-wide real file system.
    static FileSystem &real();

    // Creates `path`, which must not exist yet; nullptr with `error` set when that fails.
    virtual std::unique_ptr<OutputFile> createNew(const std::filesystem::path &path,
                                                  std::error_code &error);
    // Makes `link` (which must not exist) a second name of the file `existing`.
    virtual std::error_code hardLink(const std::filesystem::path &existing,
                                     const std::filesystem::path &link);
    // Makes `copy` (which must not exist) hold the bytes of `existing`: a hard link where the
    // file system allows one (hardLink), a copy flushed to disk otherwise.
    virtual std::error_code linkOrCopy(const std::filesystem::path &existing,
                                       const std::filesystem::path &copy);
    // Atomically replaces `to` (if it exists) with `from`.
    virtual std::error_code rename(const std::filesystem::path &from,
                                   const std::filesystem::path &to);
    virtual std::error_code remove(const std::filesystem::path &path);
    // Fails when the existing file `path` could not be replaced by rename (on Windows: it is
    // open in another program), before anything is written.
    virtual std::error_code checkReplaceable(const std::filesystem::path &path);
};

// The whole content of the file at `path`. A file that holds more than `mostBytes` (the largest
// its kind can be) is refused once that much was read, without reading on: a device such as
// /dev/zero would otherwise be read without end.
Expected<std::vector<std::uint8_t>, IoError>
readWholeFile(const std::string &path, std::uint64_t mostBytes = UINT64_MAX);

enum class Backup { None, Keep };

// Looks at the file a save has just written and flushed, before it takes the place of the old
// one: why it must not, or nothing when it holds what was meant to be written.
using WrittenFileCheck =
        std::function<std::optional<std::string>(const std::filesystem::path &written)>;

// Replaces the content of the file at `path` with `bytes` (creating it if needed) without ever
// leaving a half-written file: the bytes go to a temporary file in the same folder, flushed to
// disk, which then takes the place of `path` in one atomic rename. With Backup::Keep the previous
// file, if there was one, is first kept as `path` + ".bak" (an older ".bak" is replaced).
// A path that is a symbolic link updates the file the link points to (and its ".bak" lies beside
// that file). On failure `path` and its ".bak" are as they were, no temporary file remains, and
// the error names `path` and the system's reason. A `check`, if given, runs on the temporary file
// once it is on the disk; what it finds wrong fails the save the same way.
Expected<Done, IoError> replaceFile(const std::string &path, std::span<const std::uint8_t> bytes,
                                    Backup backup, FileSystem &fileSystem = FileSystem::real(),
                                    const WrittenFileCheck &check = {});

} // namespace tessa
