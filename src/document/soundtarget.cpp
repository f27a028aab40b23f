// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundtarget.h"

#include "nativefile.h"
#include "soundname.h"

#include <filesystem>
#include <vector>

namespace tessa {

Expected<std::string, SoundTargetRefusal> soundTarget(const std::string &folder,
                                                      const std::string &pattern,
                                                      std::int32_t number, bool replace)
{
    using Kind = SoundTargetRefusal::Kind;
    SoundTargetRefusal refusal{Kind::NoPlace, number, folder, {}, {}};
    const auto refuse = [&refusal](Kind kind) {
        refusal.kind = kind;
        return Unexpected{refusal};
    };
    if (folder.empty() || pattern.empty())
        return refuse(Kind::NoPlace);
    if (number < kLowestSound || number > kHighestSound)
        return refuse(Kind::BadNumber);
    auto path = soundFilePath(folder, pattern, number);
    if (!path) {
        refusal.patternNotice = path.error();
        return refuse(Kind::BadPattern);
    }
    refusal.path = *path;
    std::error_code error;
    if (!std::filesystem::is_directory(pathFromText(folder), error))
        return refuse(Kind::NoFolder);
    if (!replace && std::filesystem::exists(pathFromText(*path), error))
        return refuse(Kind::Exists);
    return std::move(*path);
}

} // namespace tessa
