// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The animation reader, frame decoding included, on any bytes: it must accept them or refuse
// them with one of its numbered errors, and what it accepts must be a well-formed item list.
#include "document/animfile.h"
#include "document/framecodec.h"
#include "fuzzcheck.h"

#include <algorithm>

using namespace tessa;
using fuzz::require;

namespace {

void checkRefusal(const Notice &notice)
{
    require(notice.number == kErrorInvalidFileType || notice.number == kErrorPreparingImage
                    || notice.number == kErrorTruncatedItem || notice.number == kErrorOutOfMemory,
            "a refusal is one of the reader's numbered errors");
    require(notice.location == "OpenAnim" && notice.icon == Notice::Icon::Critical,
            "a refusal is the reader's error box");
    require(!notice.description.empty() && !notice.text.empty(), "a refusal says why");
}

void checkItems(const ItemList &items)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        const AnimItem &item = items[i];
        require(item.Code.size() == 2, "every code has two characters");
        if (item.isImage()) {
            require(item.Pixels.size() == static_cast<std::size_t>(kFrameSize),
                    "every image holds a full frame");
        } else {
            require(item.Pixels.empty(), "only images hold a frame");
            require(item.Data.size() == static_cast<std::size_t>(std::max(item.DataSize, 0)),
                    "a payload holds exactly its size, none for a negative size");
        }
        // The list line reads pause and sound payloads of any length.
        listLine(item);
    }
    require(items.empty() || (items.front().isImage() && items.front().Number == 1),
            "the first item is image number 1");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const auto items = readAnimation(bytes, fuzz::kFrameMemoryLimit);
    if (items)
        checkItems(*items);
    else
        checkRefusal(items.error());

    // The codec on its own: the same bytes as a chunk stream over a blank frame.
    std::vector<std::uint8_t> frame(kFrameSize, 0);
    decodeFrame(bytes, frame);
    return 0;
}
