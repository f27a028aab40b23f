// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessa {

// The settings file's section of its own for how the editor's views look (onion skin,
// reference, details, timeline).
inline constexpr const char *kViewSection = "View";

} // namespace tessa
