// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessa {

// The settings file's section for how the editor's views look (onion skin, reference, details,
// timeline), apart from the sections the original program's settings use.
inline constexpr const char *kViewSection = "View";

} // namespace tessa
