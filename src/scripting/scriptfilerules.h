// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "scriptobjects.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessa {

// Which files a contained script may reach: anything in its free folders (its own folder and the
// animation's) and below them; anywhere else only once the user allowed it. The first file
// outside brings the question; Yes lets the script reach that file's folder (and below) for as
// long as `allowedFolders` are kept, No refuses it and every later file of that folder for the
// rest of the run, without asking again. Every path is judged as the system will resolve it
// (scriptpaths.h), and the file is then reached by that resolved path, so that what was judged
// is what is opened.
class ScriptFileRules
{
public:
    // Asked about `path` (resolved, shown as the system writes it) outside the free folders:
    // true lets the script reach `folder`. Empty: nobody can be asked, and the file is refused.
    using Question = std::function<bool(const std::string &path, const std::string &folder,
                                        FileAccess access)>;

    // `allowedFolders` (kept by the caller between runs) must outlive the rules.
    ScriptFileRules(const std::vector<std::string> &freeFolders,
                    std::vector<std::string> &allowedFolders, Question ask);

    // The path to open for `path`, or why the script may not reach it.
    Expected<std::string, std::string> check(std::string_view path, FileAccess access);

private:
    bool isAllowed(const std::filesystem::path &path) const;

    std::vector<std::filesystem::path> m_freeFolders;
    std::vector<std::string> &m_allowedFolders;
    std::vector<std::filesystem::path> m_refusedFolders;
    Question m_ask;
};

// `path` as the system writes it to a user ("\" on Windows).
std::string shownPath(const std::filesystem::path &path);

} // namespace tessa
