// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"
#include "patchformat.h"

#include <cstdint>
#include <span>
#include <string>

namespace tessa {

struct PatchReadOptions
{
    // The most carried bytes the patch may unpack, all files together, and the largest file it
    // may make.
    std::uint64_t sizeLimit = kMaxPatchedFileSize;
    // Off only for fuzzing, so that inputs get past the checksum to the fields behind it.
    bool verifyChecksum = true;
};

// Reads the patch file `bytes`, named `patchName` in messages. Every length is checked against
// what is there; a file that is not a patch, a patch of another version, and a damaged,
// truncated or inconsistent one are refused with a notice that says which. A patch it returns
// has well-formed steps, file names that stay inside the folder they are applied to, and no more
// carried bytes than its files; whether they unpack and the steps fit the base is checked when
// it is applied.
Expected<Patch, Notice> readPatch(std::span<const std::uint8_t> bytes, const std::string &patchName,
                                  const PatchReadOptions &options = {});

// Whether `name` may name a file of a folder patch: relative, parts joined by "/", no part
// empty, "." or "..", and none of the characters Windows does not allow in a file name.
bool isSafeRelativeName(const std::string &name);

} // namespace tessa
