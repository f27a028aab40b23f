// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptfilerules.h"

#include "document/nativefile.h"
#include "scriptpaths.h"

#include <algorithm>

namespace tessa {

namespace fs = std::filesystem;

namespace {

bool isInAny(const fs::path &path, const std::vector<fs::path> &folders)
{
    return std::any_of(folders.begin(), folders.end(),
                       [&path](const fs::path &folder) { return isInFolder(path, folder); });
}

} // namespace

std::string shownPath(const fs::path &path)
{
    return textFromPath(fs::path(path).make_preferred());
}

ScriptFileRules::ScriptFileRules(const std::vector<std::string> &freeFolders,
                                 std::vector<std::string> &allowedFolders, Question ask)
    : m_allowedFolders(allowedFolders)
    , m_ask(std::move(ask))
{
    for (const std::string &folder : freeFolders) {
        if (auto resolved = systemPath(folder))
            m_freeFolders.push_back(std::move(*resolved));
    }
}

bool ScriptFileRules::isAllowed(const fs::path &path) const
{
    if (isInAny(path, m_freeFolders))
        return true;
    return std::any_of(m_allowedFolders.begin(), m_allowedFolders.end(),
                       [&path](const std::string &folder) {
                           const auto resolved = systemPath(folder);
                           return resolved && isInFolder(path, *resolved);
                       });
}

Expected<std::string, std::string> ScriptFileRules::check(std::string_view path, FileAccess access)
{
    const auto resolved = systemPath(path);
    if (!resolved)
        return Unexpected{"the script may not reach \""
                          + std::string(path.substr(0, path.find('\0')))
                          + "\": " + resolved.error()};
    const std::string shown = shownPath(*resolved);
    if (isAllowed(*resolved))
        return textFromPath(*resolved);
    const std::string refusal = "the script was not allowed to reach \"" + shown + "\"";
    if (isInAny(*resolved, m_refusedFolders) || !m_ask)
        return Unexpected{refusal};

    std::error_code error;
    const fs::path folder =
            fs::is_directory(*resolved, error) ? *resolved : resolved->parent_path();
    if (m_ask(shown, shownPath(folder), access)) {
        m_allowedFolders.push_back(textFromPath(folder));
        return textFromPath(*resolved);
    }
    m_refusedFolders.push_back(folder);
    return Unexpected{refusal};
}

} // namespace tessa
