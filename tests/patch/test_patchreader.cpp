// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Patches refused: applied to another file, cut short, changed, of another version, or forged
// with a valid checksum but steps that do not fit; each with the message the user sees.
#include "animbytes.h"
#include "patch/compression.h"
#include "patch/patchapplier.h"
#include "patch/patchmaker.h"
#include "patch/patchnotices.h"
#include "patch/patchreader.h"
#include "patch/patchwriter.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tessa;
using namespace tessa::test;

namespace {

// The 27-byte animation of one black image and End.
const Bytes kExample = {'G', 'R', 1, 0,   0,   0, 7, 0, 0, 0, 0, 0, 0, 0,
                        0,   0,   0, 'X', 'X', 2, 0, 0, 0, 0, 0, 0, 0};

Bytes changedExample()
{
    Bytes changed = kExample;
    appendItem(changed, "PA", 3, {30, 0});
    return changed;
}

Bytes examplePatch()
{
    return writePatch(*makePatch(kExample, changedExample(), "EANIM.QLM"));
}

std::string refusalOf(const Bytes &patch, const Bytes &base = kExample)
{
    const auto read = readPatch(patch, "p.tpatch");
    if (!read)
        return read.error().text;
    const auto applied = applyPatch(*read, base, "EANIM.QLM", "p.tpatch");
    return applied ? std::string() : applied.error().text;
}

} // namespace

TEST(Sha256, GivesTheStandardDigests)
{
    const std::string abc = "abc";
    EXPECT_EQ(hexDigest(sha256({reinterpret_cast<const std::uint8_t *>(abc.data()), 3})),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hexDigest(sha256({})),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

TEST(PatchNotices, GroupsThousands)
{
    const std::pair<std::uint64_t, const char *> kCases[] = {
            {0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {100000, "100,000"}};
    for (const auto &[value, text] : kCases)
        EXPECT_EQ(withThousands(value), text);
}

TEST(PatchRefusal, AnotherFileIsRefusedWithWhatThePatchExpects)
{
    Bytes other = kExample;
    other[10] = 5; // another background
    EXPECT_EQ(refusalOf(examplePatch(), other),
              "This patch is for a file of 27 bytes (SHA-256 f2d6b529b295...); EANIM.QLM is not "
              "that file.");
    EXPECT_EQ(refusalOf(examplePatch(), changedExample()),
              "This patch is for a file of 27 bytes (SHA-256 f2d6b529b295...); EANIM.QLM is not "
              "that file. It is the patched file already.");
}

TEST(PatchRefusal, EveryCutIsRefused)
{
    const Bytes patch = examplePatch();
    for (std::size_t size = 0; size < patch.size(); ++size) {
        const std::string refusal =
                refusalOf(Bytes(patch.begin(), patch.begin() + std::ptrdiff_t(size)));
        if (size < 8)
            EXPECT_EQ(refusal, "p.tpatch is not an animation patch.") << size;
        else if (size < 14)
            EXPECT_EQ(refusal, "The patch p.tpatch is damaged or incomplete: it ends too soon.")
                    << size;
        else
            EXPECT_EQ(refusal, "The patch p.tpatch is damaged or incomplete: its checksum does not "
                               "match its contents (it was cut short or changed).")
                    << size;
    }
}

TEST(PatchRefusal, EveryChangedByteIsRefused)
{
    const Bytes patch = examplePatch();
    for (std::size_t at = 0; at < patch.size(); ++at) {
        Bytes changed = patch;
        changed[at] ^= 0x10;
        EXPECT_NE(refusalOf(changed), "") << at;
    }
}

TEST(PatchRefusal, AnotherVersionIsNamed)
{
    Bytes patch = examplePatch();
    patch[8] = 2;
    EXPECT_EQ(refusalOf(patch), "p.tpatch is a patch of format version 2; this program applies "
                                "version 1 only.");
}

// Patches with a valid checksum whose contents contradict themselves or the base.
TEST(PatchRefusal, ForgedStepsAreRefusedAsDamage)
{
    const auto made = makePatch(kExample, changedExample(), "EANIM.QLM");
    const auto forged = [&](const std::function<void(FilePatch &)> &change) {
        Patch patch = *made;
        change(patch.files.front());
        return writePatch(patch);
    };
    const std::string prefix = "The patch p.tpatch is damaged or incomplete: ";
    const std::pair<std::string, Bytes> kCases[] = {
            {"it takes item 3 of a file of 2 items",
             forged([](FilePatch &f) { f.steps.front().count = 3; })},
            {"it takes item 4,294,967,297 of a file of 2 items", forged([](FilePatch &f) {
                 f.steps.front().first = 0xFFFFFFFF;
                 f.steps.front().count = 2;
             })},
            {"it carries fewer items than it uses",
             forged([](FilePatch &f) { f.steps.back().count = 2; })},
            {"it carries bytes it does not use", forged([](FilePatch &f) { f.steps.pop_back(); })},
            {"its steps make more bytes than the file it was made from",
             forged([](FilePatch &f) { f.resultSize -= 1; })},
            {"its steps make fewer bytes than the file it was made from",
             forged([](FilePatch &f) { f.resultSize += 1; })},
            {"the file it makes is not the one it was made from",
             forged([](FilePatch &f) { f.resultHash[0] ^= 1; })},
            {"it numbers an item that is not there", forged([](FilePatch &f) {
                 f.steps.push_back({PatchStep::Kind::Number, 0, 0, 5});
             })},
            {"it says it carries more bytes than the files it makes",
             forged([](FilePatch &f) { f.resultSize = 3; })},
    };
    for (const auto &[detail, patch] : kCases)
        EXPECT_EQ(refusalOf(patch), prefix + detail + ".");
}

TEST(PatchRefusal, CarriedBytesMustUnpackWithTheirDictionary)
{
    const auto made = makePatch(kExample, changedExample(), "EANIM.QLM");
    ASSERT_EQ(made->files.front().segments.size(), 1u);
    const auto forged = [&](const std::function<void(CarriedSegment &)> &change) {
        Patch patch = *made;
        change(patch.files.front().segments.front());
        return writePatch(patch);
    };
    const std::string prefix = "The patch p.tpatch is damaged or incomplete: ";
    EXPECT_EQ(refusalOf(forged([](CarriedSegment &s) { s.size += 1; })),
              prefix + "its carried bytes do not unpack.");
    EXPECT_EQ(refusalOf(forged([](CarriedSegment &s) { s.referenceFirst = 0; })),
              prefix + "its carried bytes do not unpack.")
            << "another dictionary";
    EXPECT_EQ(refusalOf(forged([](CarriedSegment &s) { s.referenceCount = 3; })),
              prefix + "it refers to items the file does not have.");
}

TEST(Decompression, WantsExactlyTheSizeItIsTold)
{
    const Bytes data(5000, 7);
    const Bytes stream = compressBytes(data);
    EXPECT_EQ(decompressBytes(stream, data.size()), data);
    EXPECT_FALSE(decompressBytes(stream, data.size() - 1)) << "more than allowed";
    EXPECT_FALSE(decompressBytes(stream, data.size() + 1)) << "less than promised";
    EXPECT_FALSE(decompressBytes(Bytes(stream.begin(), stream.end() - 1), data.size()));
    Bytes extra = stream;
    extra.push_back(0);
    EXPECT_FALSE(decompressBytes(extra, data.size())) << "bytes after the stream";
}

TEST(FolderNames, OnlyNamesInsideTheFolderAreSafe)
{
    const std::pair<const char *, bool> kCases[] = {
            {"EANIM.QLM", true},    {"sub/EANIM.QLM", true}, {"a b/c.d", true},    {"", false},
            {"/etc/passwd", false}, {"../x", false},         {"a/../../x", false}, {"a//b", false},
            {"a/", false},          {"./a", false},          {"C:/x", false},      {"a\\b", false},
            {"x.", false},          {"x ", false},           {"a\tb", false},      {"..", false}};
    for (const auto &[name, safe] : kCases)
        EXPECT_EQ(isSafeRelativeName(name), safe) << name;
}
