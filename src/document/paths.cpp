// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paths.h"

#include <algorithm>

namespace tessa {

namespace {

// Both separate folders: Windows paths use the backslash, Qt and POSIX hand back slashes.
std::string_view::size_type lastSeparator(std::string_view path)
{
    return path.find_last_of("\\/");
}

} // namespace

std::string GetFileName(std::string_view path)
{
    const auto at = lastSeparator(path);
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string GetFolder(std::string_view path)
{
    const auto at = lastSeparator(path);
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at));
}

std::string exportFileName(std::string_view animationPath, int position)
{
    std::string base = GetFileName(animationPath);
    std::replace(base.begin(), base.end(), '.', '-');
    return base + "-" + std::to_string(position + 1) + ".bmp";
}

std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string joined(folder);
    if (!joined.empty() && joined.back() != '/' && joined.back() != '\\')
        joined += '/';
    joined += name;
    return joined;
}

std::string exportFileNameAs(std::string_view animationPath, int position,
                             std::string_view extension)
{
    std::string name = exportFileName(animationPath, position);
    return name.substr(0, name.size() - 4) + std::string(extension);
}

} // namespace tessa
