// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animitem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace tessa {

// Reads the animation file at `path` back from the disk and decodes it as opening would,
// comparing every item with `items` as it goes: what differs first, in words for the user, or
// nothing when the file opens as exactly `items` with the headers writeAnimation writes (items
// numbered 1, 2, 3, ..., nothing after the last). Reads one block at a time and decodes into
// one frame of its own, so it needs a fixed, small amount of memory however long the file is.
// Given the bytes that were written, a long file is compared in two halves on two threads: they
// only say where the second half starts, and the file is still compared whole.
std::optional<std::string> findReadBackDifference(const std::filesystem::path &path,
                                                  const ItemList &items,
                                                  std::span<const std::uint8_t> written = {});

} // namespace tessa
