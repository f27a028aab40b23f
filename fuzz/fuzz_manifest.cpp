// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A manifest of any text: every item line that is read says its item again in the line the
// writer gives it, and every movie line keeps a name and settings that can be used as read.
#include "fuzzcheck.h"
#include "manifest.h"

#include <cmath>
#include <string_view>

using namespace tessa;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto entries = readManifest(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!entries) {
        require(entries.error().line >= 1, "a refusal names a line");
        return 0;
    }
    for (const ManifestEntry &entry : *entries) {
        if (!entry.movieFile.empty()) {
            const std::string &name = entry.movieFile;
            require(name.find('\n') == std::string::npos && name.front() != ' '
                            && name.front() != '\t' && name.back() != ' ' && name.back() != '\t',
                    "a movie's name is on its line, without the blanks around it");
            require(!std::isnan(entry.movie.fps) && !std::isnan(entry.movie.from),
                    "a movie's numbers are numbers");
            continue;
        }
        if (entry.item.isImage())
            continue;
        const auto again = readManifest(manifestLine(entry.item, {}));
        require(again && again->size() == 1, "the writer's line reads back as one item");
        const AnimItem &back = again->front().item;
        require(back.Code == entry.item.Code && back.DataSize == entry.item.DataSize
                        && back.Data == entry.item.Data,
                "the writer's line says the same item");
    }
    return 0;
}
