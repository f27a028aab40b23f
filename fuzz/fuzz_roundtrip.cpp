// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever the reader accepts, the writer must write, and reading that back must give the same
// items and frames: saving an opened file never changes what it shows.
#include "document/animfile.h"
#include "fuzzcheck.h"

using namespace tessa;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto first =
            readAnimation(std::span<const std::uint8_t>(data, size), fuzz::kFrameMemoryLimit);
    if (!first)
        return 0;
    const auto written = writeAnimation(*first);
    require(written.has_value(), "the writer takes every list the reader makes");
    const auto second = readAnimation(*written, fuzz::kFrameMemoryLimit);
    require(second.has_value(), "the reader takes every file the writer makes");
    require(sameContent(*first, *second), "write then read gives the same items and frames");
    for (std::size_t i = 0; i < second->size(); ++i)
        require((*second)[i].Number == static_cast<std::int32_t>(i + 1),
                "the writer numbers the items 1, 2, 3, ...");
    const auto again = writeAnimation(*second);
    require(again.has_value() && *again == *written, "saving a saved file changes no byte");
    return 0;
}
