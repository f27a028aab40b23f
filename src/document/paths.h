// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tessa {

// The part of `path` after its last separator (backslash or slash), the whole path when it has
// none; "" when the path ends in a separator.
std::string GetFileName(std::string_view path);

// The part of `path` before its last separator, without it; "" when the only separator is the
// first character or there is none.
std::string GetFolder(std::string_view path);

// The name under which the item at 0-based list `position` of the animation `animationPath` is
// exported: the file name with every "." made "-", then "-", position + 1 and ".bmp".
std::string exportFileName(std::string_view animationPath, int position);

// The export name of the item at `position` with `extension` in place of ".bmp".
std::string exportFileNameAs(std::string_view animationPath, int position,
                             std::string_view extension);

// `folder` and `name` joined with one "/" (none added when `folder` already ends in a separator).
std::string joinPath(std::string_view folder, std::string_view name);

} // namespace tessa
