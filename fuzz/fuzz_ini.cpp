// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store loading any text, then every section and key read back as the editor reads
// them. Nothing is ever saved: the store is told not to write.
#include "fuzzcheck.h"
#include "settings/clsini.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

using namespace tessa;
using fuzz::require;

namespace {

bool holdsLineEnd(const std::string &text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    clsINI ini;
    ini.AllowSaveFile(false);
    ini.loadText(std::string_view(reinterpret_cast<const char *>(data), size));

    // Every lookup searches from the start, so reading back everything would cost the square of
    // the size: the first few sections and keys show as much, in a fraction of the time.
    constexpr std::int32_t kLooked = 64;
    require(ini.NumberOfSections() >= 0, "a section count is never negative");
    for (std::int32_t s = 0; s < std::min(ini.NumberOfSections(), kLooked); ++s) {
        const std::string section = ini.SectionName(s);
        require(!holdsLineEnd(section), "a section name never holds a line end");
        const std::int32_t keys = ini.NumberOfKeys(section);
        for (std::int32_t k = 0; k < std::min(keys, kLooked); ++k) {
            const std::string key = ini.KeyName(section, k);
            require(!holdsLineEnd(key) && key.find('=') == std::string::npos,
                    "a key name holds neither a line end nor \"=\"");
            require(!holdsLineEnd(ini.ReadString(section, key)), "a value never holds a line end");
            try {
                ini.ReadLong(section, key);
            } catch (const std::overflow_error &) {
                // A number beyond 32 bits is refused this way, as documented.
            }
        }
    }
    return 0;
}
