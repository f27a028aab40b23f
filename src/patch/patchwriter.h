// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "patchformat.h"

#include <cstdint>
#include <vector>

namespace tessa {

// The bytes of the patch file for `patch`, a checksum at the end. readPatch reads them back.
std::vector<std::uint8_t> writePatch(const Patch &patch);

} // namespace tessa
