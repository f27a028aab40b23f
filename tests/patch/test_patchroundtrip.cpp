// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Patches made from two animations, written, read back and applied: the result must be the
// changed file byte for byte, and the patch must carry the changed items and little else.
#include "animbytes.h"
#include "document/animfile.h"
#include "framescenes.h"
#include "patch/compression.h"
#include "patch/itemrecords.h"
#include "patch/patchapplier.h"
#include "patch/patchmaker.h"
#include "patch/patchreader.h"
#include "patch/patchwriter.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tessa;
using namespace tessa::test;

namespace {

Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes fileOf(const ItemList &items)
{
    auto bytes = writeAnimation(items);
    EXPECT_TRUE(bytes) << bytes.error().text;
    return bytes ? *bytes : Bytes{};
}

// The patch from `base` to `changed` after a trip through its file.
Patch patchThroughFile(const Bytes &base, const Bytes &changed)
{
    const auto made = makePatch(base, changed, "CHANGED.QLM");
    EXPECT_TRUE(made);
    const Bytes file = writePatch(*made);
    auto read = readPatch(file, "p.tpatch");
    EXPECT_TRUE(read) << read.error().text;
    return read ? *read : Patch{};
}

Bytes applied(const Patch &patch, const Bytes &base)
{
    auto result = applyPatch(patch, base, "EANIM.QLM", "p.tpatch");
    EXPECT_TRUE(result) << result.error().text;
    return result ? *result : Bytes{};
}

std::uint64_t carriedItemCount(const Patch &patch)
{
    std::uint64_t count = 0;
    for (const PatchStep &step : patch.files.front().steps)
        count += step.kind == PatchStep::Kind::Carry ? step.count : 0;
    return count;
}

AnimItem repainted(const AnimItem &image, std::uint32_t seed)
{
    std::vector<std::uint8_t> frame = image.Pixels;
    applyScene(Scene::Rectangles, frame, seed);
    return makeImageItem(frame);
}

// The edits a modder makes, on a document of 30 images with a pause after every tenth
// (items 0-9 images, 10 a pause, 11-20 images, 21 a pause, 22-31 images, 32 a pause, 33 End), and
// which items of the changed file are then new: a changed image and the image after it, whose
// differences now start from it.
struct Edit
{
    const char *name;
    std::function<void(ItemList &)> apply;
    std::vector<std::size_t> carried; // positions in the changed file
    // The most the patch may take, as a share of the carried items compressed alone: less
    // than all where the items they replaced, as a dictionary, hold most of their bytes.
    double share = 1.0;
};

const Edit kEdits[] = {
        {"nothing", [](ItemList &) {}, {}, 1.0},
        {"one frame repainted",
         [](ItemList &items) { items[5] = repainted(items[5], 1); },
         {5, 6},
         0.5},
        {"the first frame repainted",
         [](ItemList &items) { items[0] = repainted(items[0], 2); },
         {0, 1},
         0.2},
        {"the last frame repainted",
         [](ItemList &items) { items[31] = repainted(items[31], 3); },
         {31},
         0.7},
        {"three frames repainted",
         [](ItemList &items) {
             for (std::size_t at : {2, 14, 25})
                 items[at] = repainted(items[at], std::uint32_t(at));
         },
         {2, 3, 14, 15, 25, 26},
         0.5},
        {"a frame inserted",
         [](ItemList &items) { items.insert(items.begin() + 8, repainted(items[7], 4)); },
         {8, 9},
         0.6},
        {"a frame deleted", [](ItemList &items) { items.erase(items.begin() + 8); }, {8}, 0.1},
        {"a frame moved later",
         [](ItemList &items) {
             AnimItem moved = items[3];
             items.erase(items.begin() + 3);
             items.insert(items.begin() + 12, moved);
         },
         {3, 12, 13},
         0.9},
        {"a pause like the others added",
         [](ItemList &items) { items.insert(items.begin() + 4, makePauseItem(30)); },
         {}},
        {"a new pause added",
         [](ItemList &items) { items.insert(items.begin() + 4, makePauseItem(77)); },
         {4}},
};

class PatchRoundTrip : public ::testing::TestWithParam<Edit>
{
};

} // namespace

TEST_P(PatchRoundTrip, MakesTheChangedFileAndCarriesOnlyItsNewItems)
{
    const ItemList original = makeDocument(30);
    ItemList edited = original;
    GetParam().apply(edited);
    const Bytes base = fileOf(original);
    const Bytes changed = fileOf(edited);

    const auto made = makePatch(base, changed, "CHANGED.QLM");
    ASSERT_TRUE(made);
    const Bytes patchFile = writePatch(*made);
    const auto patch = readPatch(patchFile, "p.tpatch");
    ASSERT_TRUE(patch) << patch.error().text;
    EXPECT_EQ(applied(*patch, base), changed);
    EXPECT_EQ(carriedItemCount(*patch), GetParam().carried.size());

    // The patch is the carried items, compressed, and a few hundred bytes besides (less, where
    // the items they replace serve as their dictionary).
    const ItemRecords records = splitItemRecords(changed);
    Bytes carried;
    for (std::size_t at : GetParam().carried) {
        const ItemRecord &record = records.records.at(at);
        carried.insert(carried.end(), changed.begin() + std::ptrdiff_t(record.offset),
                       changed.begin() + std::ptrdiff_t(record.offset + record.size));
    }
    const double alone = double(compressBytes(carried).size());
    EXPECT_LE(double(patchFile.size()), GetParam().share * alone + 250) << alone;
}

INSTANTIATE_TEST_SUITE_P(Edits, PatchRoundTrip, ::testing::ValuesIn(kEdits), [](const auto &info) {
    std::string name = info.param.name;
    for (char &c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// Files the editor would never write are made exactly all the same: whatever the numbers, codes,
// sizes and stray bytes, and whether or not the file is an animation at all.
TEST(PatchExactness, MakesAnyFileByteForByte)
{
    Bytes animation;
    appendItem(animation, "GR", 1, Bytes{0} + copyChunk(3, {1, 2}) + Bytes(6, 0));
    appendItem(animation, "PA", 2, {30, 0});
    appendItem(animation, "XX", 3, {});
    const auto with = [&](const std::function<void(Bytes &)> &change) {
        Bytes bytes = animation;
        change(bytes);
        return bytes;
    };
    const std::pair<const char *, Bytes> kFiles[] = {
            {"the animation", animation},
            {"empty", {}},
            {"a stray byte", with([](Bytes &b) { b.push_back(0x58); })},
            {"several stray bytes", with([](Bytes &b) {
                 b.insert(b.end(), {1, 2, 3, 4, 5});
             })},
            {"odd numbers", with([](Bytes &b) {
                 b[2] = 7;
                 b[b.size() - 8] = 0xFF;
             })},
            {"an unknown code and a negative size", with([](Bytes &b) {
                 appendItem(b, "ZZ", 4, {9, 9, 9});
                 appendItem(b, "SD", 5, {}, -3);
             })},
            {"a cut last item", with([](Bytes &b) {
                 appendItem(b, "PA", 4, {1, 0, 0, 0});
                 b.pop_back();
             })},
            {"a payload longer than the file",
             with([](Bytes &b) { appendItem(b, "ZZ", 4, {}, 1 << 30); })},
            {"not an animation", Bytes{'P', 'K', 3, 4, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}},
    };
    for (const auto &[baseName, base] : kFiles) {
        for (const auto &[changedName, changed] : kFiles) {
            SCOPED_TRACE(std::string(baseName) + " to " + changedName);
            EXPECT_EQ(applied(patchThroughFile(base, changed), base), changed);
        }
    }
}

TEST(PatchExactness, TakesRenumberedItemsFromTheBase)
{
    // Every item of the base in another place: all taken, none carried.
    Bytes base;
    Bytes changed;
    appendItem(base, "GR", 1, Bytes{4} + Bytes(6, 0));
    appendItem(changed, "GR", 1, Bytes{4} + Bytes(6, 0));
    for (std::int32_t i = 0; i < 5; ++i) {
        appendItem(base, "PA", 2 + i, {std::uint8_t(i), 0});
        appendItem(changed, "PA", 6 - i, {std::uint8_t(4 - i), 0});
    }
    const Patch patch = patchThroughFile(base, changed);
    EXPECT_EQ(applied(patch, base), changed);
    EXPECT_EQ(carriedItemCount(patch), 0u);
    EXPECT_TRUE(patch.files.front().segments.empty());
}
