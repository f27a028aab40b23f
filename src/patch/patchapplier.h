// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "patchformat.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessa {

// Whether `base` is the file `file` was made from. `baseName` names it in the refusal.
Expected<Done, Notice> checkBase(const FilePatch &file, std::span<const std::uint8_t> base,
                                 const std::string &baseName);

// The bytes `file` makes from `base`: checks the base (checkBase), follows the steps, and
// checks that what they made is the file the patch was made from, byte for byte. A patch whose
// steps do not fit the base, or make anything else, is refused as damaged, naming `patchName`.
Expected<std::vector<std::uint8_t>, Notice> applyFilePatch(const FilePatch &file,
                                                           std::span<const std::uint8_t> base,
                                                           const std::string &baseName,
                                                           const std::string &patchName);

// applyFilePatch for a patch of one file; a folder patch is refused.
Expected<std::vector<std::uint8_t>, Notice> applyPatch(const Patch &patch,
                                                       std::span<const std::uint8_t> base,
                                                       const std::string &baseName,
                                                       const std::string &patchName);

// Follows the steps of `file` on `base` without checking either digest: the bytes, or why the
// steps do not fit (a base item past the end, carried bytes missing, more bytes than the result
// has). applyFilePatch is this between its checks; it is open for the fuzz target, which cannot
// forge a digest.
Expected<std::vector<std::uint8_t>, Phrase> assembleFile(const FilePatch &file,
                                                         std::span<const std::uint8_t> base);

} // namespace tessa
