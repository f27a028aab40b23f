// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// The few file calls whose POSIX and Windows forms differ: opening by a path that may hold any
// characters, creating only a new file, flushing to the disk, replacing by rename, and knowing
// beforehand that a file open in another program cannot be replaced. Errors come with the
// system's reason in words a user can act on.
namespace tessa {

// The path named by `text`, a path as the program's strings hold it: bytes of the system's
// multibyte code page, which is UTF-8 on Linux and, through the programs' manifest, on Windows.
// (The C++ library's own conversion on Windows takes each byte for a character.)
std::filesystem::path pathFromText(std::string_view text);
// The same the other way.
std::string textFromPath(const std::filesystem::path &path);

// Opens `path` for reading bytes; nullptr with `error` set on failure.
std::FILE *openForReading(const std::filesystem::path &path, std::error_code &error);

// Creates `path` for writing bytes, failing when it exists already.
std::FILE *createNewFile(const std::filesystem::path &path, std::error_code &error);

// Pushes what was written to `file` through the system's cache to the disk.
std::error_code flushFileToDisk(std::FILE *file);

// Puts `from` in the place of `to` in one step, replacing `to` if it exists.
std::error_code renameReplacing(const std::filesystem::path &from, const std::filesystem::path &to);

// Whether the existing file `path` can be replaced by a rename. On Windows a file another program
// holds open cannot, and finding out before anything is written keeps its backup untouched.
// Always fine elsewhere.
std::error_code checkReplaceable(const std::filesystem::path &path);

// The error of the last failed C library call (errno).
std::error_code lastCError();

} // namespace tessa
