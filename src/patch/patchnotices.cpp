// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patchnotices.h"

namespace tessa {

namespace {

// Twelve hex digits tell files apart at a glance; the whole digest is in `patch --info`.
constexpr std::size_t kShownDigits = 12;

Notice refusal(std::string text)
{
    return Notice::failure("Error", std::move(text));
}

} // namespace

std::string withThousands(std::uint64_t value)
{
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

Notice wrongBaseNotice(const FilePatch &file, const std::string &fileName, bool isResult)
{
    std::string text = "This patch is for a file of " + withThousands(file.baseSize)
                       + " bytes (SHA-256 " + hexDigest(file.baseHash).substr(0, kShownDigits)
                       + "...); " + fileName + " is not that file.";
    if (isResult)
        text += " It is the patched file already.";
    return refusal(std::move(text));
}

Notice notAPatchNotice(const std::string &patchName)
{
    return refusal(patchName + " is not an animation patch.");
}

Notice otherVersionNotice(const std::string &patchName, unsigned version)
{
    return refusal(patchName + " is a patch of format version " + std::to_string(version)
                   + "; this program applies version " + std::to_string(kPatchVersion) + " only.");
}

Notice damagedPatchNotice(const std::string &patchName, const std::string &detail)
{
    return refusal("The patch " + patchName + " is damaged or incomplete: " + detail + ".");
}

Notice tooLargeNotice(const std::string &fileName)
{
    return refusal(fileName + " is larger than a patch can hold ("
                   + withThousands(kMaxPatchedFileSize) + " bytes at most).");
}

Notice folderPatchNotice(const std::string &patchName)
{
    return Notice::failure("Error", patchName
                                            + " is a patch of a folder: apply it to the original "
                                              "folder with tessanim patch ORIGINAL_DIR PATCH "
                                              "OUT_DIR.");
}

} // namespace tessa
