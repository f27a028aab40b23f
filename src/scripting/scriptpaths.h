// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"

#include <filesystem>
#include <string>
#include <string_view>

// Where a path a script names really leads, so that the folder a file lies in is judged by the
// file the system will open, not by how the path is spelt.
namespace tessa {

// The absolute path of the file the system reaches when it opens `text` now: made absolute
// against the working folder, every symbolic link on the way followed (a link that leads
// nowhere included, as creating a file through it would create its target), "." and ".."
// taken as the system takes them (on Linux after the link before them, on Windows by the
// spelling, as Windows does), and on Windows the drive letter, a UNC name or a "\\?\" prefix
// brought to one form. Why not, when `text` can name no ordinary file: a NUL byte inside it,
// a Windows device ("CON", "\\.\PhysicalDrive0"), too many links in a row.
Expected<std::filesystem::path, std::string> systemPath(std::string_view text);

// Whether `path` is `folder` or lies below it, both as systemPath gives them (names compared
// without case on Windows).
bool isInFolder(const std::filesystem::path &path, const std::filesystem::path &folder);

} // namespace tessa
