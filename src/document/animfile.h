// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animitem.h"
#include "expected.h"
#include "fileio.h"
#include "notice.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessa {

// An animation file is a flat sequence of item records from offset 0 to the end of the file,
// no header, no padding: code (2 bytes), number (signed 32-bit), payload size (signed 32-bit),
// payload. All integers little-endian. The first item must be image number 1; its payload is a
// background byte and a chunk stream against a frame of that colour, later images are chunk
// streams against the image before them.

// The bytes of an item record before its payload: code, number and payload size.
inline constexpr std::size_t kItemHeaderSize = 10;

// Error numbers the reader reports, all with location "OpenAnim".
inline constexpr std::int32_t kErrorInvalidFileType = 9001; // "Invalid file type."
inline constexpr std::int32_t kErrorPreparingImage = 9002;  // "Error preparing image entry."
inline constexpr std::int32_t kErrorTruncatedItem = 9004;   // an item runs past the end
inline constexpr std::int32_t kErrorOutOfMemory = 9005;     // its images would not fit in memory

// The most memory the frames of one animation may take. Every image holds a whole frame of
// 64,000 bytes however few bytes it takes in the file (ten for an unchanged one), so a small file
// can ask for more memory than the machine has. Half the machine's memory where the system tells
// it, 4 GiB otherwise.
std::uint64_t defaultFrameMemoryLimit();

// Reads a whole animation file into items, decoding every image into its full frame. An empty
// file, or a single byte, gives no items. Never reads past `bytes`; refuses a file whose frames
// would take more than `frameMemoryLimit` bytes rather than running the machine out of memory.
Expected<ItemList, Notice>
readAnimation(std::span<const std::uint8_t> bytes,
              std::uint64_t frameMemoryLimit = defaultFrameMemoryLimit());

// The largest animation file read: far beyond what any game's animation holds (a thousand frames
// that each change every pixel take 64 MB), and the bound a patch keeps to as well.
inline constexpr std::uint64_t kMostAnimationFileBytes = std::uint64_t(1) << 30;

// Reads the file at `path`; a file that cannot be read (or is larger than
// kMostAnimationFileBytes) is reported with its path and reason.
Expected<ItemList, Notice> loadAnimation(const std::string &path);

// The bytes of the animation file for `items`: items numbered 1, 2, 3, ..., every image encoded
// again from its frame, the first against its most frequent colour. Refuses a list that does
// not begin with an image, an image without a full frame, and a payload shorter than its size.
Expected<std::vector<std::uint8_t>, Notice> writeAnimation(const ItemList &items);

// Encodes `items` completely, writes them to a temporary file, reads that back and checks that
// it opens as `items` (findReadBackDifference), then replaces the file at `path` with it,
// keeping the previous one as `path` + ".bak" (see replaceFile). On failure, a file that reads
// back differently included, the file and its backup are as they were.
Expected<Done, Notice> saveAnimation(const std::string &path, const ItemList &items,
                                     FileSystem &fileSystem = FileSystem::real());

// The notice for a file that could not be read or saved.
Notice fileFailureNotice(const IoError &error);

} // namespace tessa
