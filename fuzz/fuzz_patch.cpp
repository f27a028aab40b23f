// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The patch reader on any bytes, and what it accepts applied to a fixed original: it must refuse
// with a message or give a patch that writes back to the same patch, and applying must make
// exactly the size the patch promises or refuse. Read twice, with and without the checksum, so
// that inputs get past it to the fields behind.
#include "fuzzcheck.h"
#include "patch/patchapplier.h"
#include "patch/patchreader.h"
#include "patch/patchwriter.h"
#include "patchbase.h"

using namespace tessa;
using fuzz::require;

namespace {

// Small enough that a forged size is refused long before it costs time.
constexpr std::uint64_t kSizeLimit = 1 << 20;

void checkPatch(const Patch &patch)
{
    require(patch.forFolder || patch.files.size() == 1, "a patch of one file holds one file");
    for (const FilePatch &file : patch.files) {
        require(file.resultSize <= kSizeLimit && file.carriedSize() <= file.resultSize,
                "sizes stay within the limit");
        require(patch.forFolder ? isSafeRelativeName(file.name) : file.name.empty(),
                "names stay inside the folder");
        const auto made = assembleFile(file, fuzz::patchBase());
        require(!made || made->size() == file.resultSize, "steps make the promised size");
        require(made || !made.error().english().empty(), "a refusal says why");
        const auto applied = applyFilePatch(file, fuzz::patchBase(), "BASE.QLM", "fuzz.tpatch");
        require(applied || !applied.error().text.empty(), "a refusal says why");
    }
    // What was read writes back to a patch that reads as the same.
    const auto again = readPatch(writePatch(patch), "again", {kSizeLimit, true});
    require(again.has_value(), "a written patch reads back");
    require(again->forFolder == patch.forFolder && again->files.size() == patch.files.size(),
            "the same files come back");
    for (std::size_t i = 0; i < patch.files.size(); ++i) {
        const FilePatch &a = patch.files[i];
        const FilePatch &b = again->files[i];
        require(a.name == b.name && a.isNew == b.isNew && a.steps == b.steps
                        && a.segments == b.segments && a.baseHash == b.baseHash
                        && a.resultHash == b.resultHash,
                "every field comes back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    for (const bool verifyChecksum : {true, false}) {
        const auto patch = readPatch(bytes, "fuzz.tpatch", {kSizeLimit, verifyChecksum});
        if (patch)
            checkPatch(*patch);
        else
            require(!patch.error().text.empty() && patch.error().icon == Notice::Icon::Critical,
                    "a refusal is an error box with a message");
    }
    return 0;
}
