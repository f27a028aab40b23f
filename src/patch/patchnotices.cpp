// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patchnotices.h"

namespace tessa {

namespace {

// Twelve hex digits tell files apart at a glance; the whole digest is in `patch --info`.
constexpr std::size_t kShownDigits = 12;

Notice refusal(Phrase message)
{
    return Notice::failure("Error", std::move(message));
}

} // namespace

Notice wrongBaseNotice(const FilePatch &file, const std::string &fileName, bool isResult)
{
    const std::string digest = hexDigest(file.baseHash).substr(0, kShownDigits);
    const std::vector<Phrase> parts{Phrase::number(file.baseSize), digest, fileName};
    if (isResult)
        return refusal({TESSA_WORDS("tessa::Notice",
                                    "This patch is for a file of %1 bytes (SHA-256 %2...); %3 is "
                                    "not that file. It is the patched file already."),
                        parts});
    return refusal({TESSA_WORDS("tessa::Notice",
                                "This patch is for a file of %1 bytes (SHA-256 %2...); %3 is not "
                                "that file."),
                    parts});
}

Notice notAPatchNotice(const std::string &patchName)
{
    return refusal({TESSA_WORDS("tessa::Notice", "%1 is not an animation patch."), {patchName}});
}

Notice otherVersionNotice(const std::string &patchName, unsigned version)
{
    return refusal({TESSA_WORDS("tessa::Notice", "%1 is a patch of format version %2; this "
                                                 "program applies version %3 only."),
                    {patchName, std::to_string(version), std::to_string(kPatchVersion)}});
}

Notice damagedPatchNotice(const std::string &patchName, Phrase detail)
{
    return refusal({TESSA_WORDS("tessa::Notice", "The patch %1 is damaged or incomplete: %2."),
                    {patchName, std::move(detail)}});
}

Notice tooLargeNotice(const std::string &fileName)
{
    return refusal(
            {TESSA_WORDS("tessa::Notice", "%1 is larger than a patch can hold (%2 bytes at most)."),
             {fileName, Phrase::number(kMaxPatchedFileSize)}});
}

Notice folderPatchNotice(const std::string &patchName)
{
    return refusal({TESSA_WORDS("tessa::Notice",
                                "%1 is a patch of a folder: apply it to the original folder with "
                                "tessanim patch ORIGINAL_DIR PATCH OUT_DIR."),
                    {patchName}});
}

} // namespace tessa
