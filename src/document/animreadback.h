// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animitem.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tessa {

// Reads the animation file at `path` back from the disk and decodes it as opening would,
// comparing every item with `items` as it goes: what differs first, in words for the user, or
// nothing when the file opens as exactly `items` with the headers writeAnimation writes (items
// numbered 1, 2, 3, ..., nothing after the last). Reads one block at a time and decodes into
// one frame of its own, so it needs a fixed, small amount of memory however long the file is.
std::optional<std::string> findReadBackDifference(const std::filesystem::path &path,
                                                  const ItemList &items);

} // namespace tessa
