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

// The recipe that turns `base` into `result`: every item record of the result whose code, size
// and payload some item of the base has is taken from the base, every other one is carried, and
// so are any bytes after the last whole item. Numbers that are not the item's position are
// written out. Works on any two files; on animations the carried items are the ones changed.
// Refuses a result larger than kMaxPatchedFileSize, naming it `resultName`.
Expected<FilePatch, Notice> makeFilePatch(std::span<const std::uint8_t> base,
                                          std::span<const std::uint8_t> result,
                                          const std::string &resultName);

// A patch of one file (makeFilePatch of the two).
Expected<Patch, Notice> makePatch(std::span<const std::uint8_t> base,
                                  std::span<const std::uint8_t> result,
                                  const std::string &resultName);

} // namespace tessa
