// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/notice.h"
#include "patchformat.h"

#include <cstdint>
#include <string>

namespace tessa {

// The messages of making and applying patches, the same in the editor's box and on the terminal.

// "This patch is for a file of 1,234,567 bytes (SHA-256 3f2a9c01be47...); EANIM.QLM is not that
// file." When the file is already the one the patch makes, a sentence says so.
Notice wrongBaseNotice(const FilePatch &file, const std::string &fileName, bool isResult);

// The patch file `patchName` is refused: not a patch at all, a patch of another format
// version, or damaged (cut short, changed, or inconsistent: `detail` says how).
Notice notAPatchNotice(const std::string &patchName);
Notice otherVersionNotice(const std::string &patchName, unsigned version);
Notice damagedPatchNotice(const std::string &patchName, Phrase detail);

// `patchName` was made from two folders and so cannot be applied to one file; says how to apply it.
Notice folderPatchNotice(const std::string &patchName);

// A file too large for a patch to describe (see kMaxPatchedFileSize).
Notice tooLargeNotice(const std::string &fileName);

} // namespace tessa
