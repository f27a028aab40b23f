// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a saved file back: every kind of damage is found and named, and a save whose file
// reads back wrong replaces nothing.
#include "document/animfile.h"
#include "document/animreadback.h"
#include "failingfilesystem.h"
#include "framescenes.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tessa;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Two images, the second a few rectangles off the first, a pause, a sound and the end.
ItemList sample()
{
    const test::FramePair scene = test::makeScene(test::Scene::Rectangles);
    return {makeImageItem(scene.reference), makeImageItem(scene.frame), makePauseItem(30),
            makeSoundItem(4), makeEndItem()};
}

// The offset in `file` of the payload of item `index` (0-based), walking the headers.
std::size_t payloadOffset(const Bytes &file, std::size_t index)
{
    std::size_t at = 0;
    for (std::size_t i = 0;; ++i) {
        at += 10;
        if (i == index)
            return at;
        at += std::size_t(file[at - 4]) | std::size_t(file[at - 3]) << 8
              | std::size_t(file[at - 2]) << 16;
    }
}

std::optional<std::string> readBack(test::TempFolder &folder, const Bytes &file,
                                    const ItemList &items)
{
    const std::string path = folder.file("READBACK.QLM");
    test::writeBytes(path, file);
    return findReadBackDifference(path, items);
}

} // namespace

TEST(ReadBack, AFileAsWrittenReadsBackWithoutDifference)
{
    test::TempFolder folder;
    for (const ItemList &items : {sample(), ItemList{}, test::makeDocument(12)}) {
        const Bytes file = *writeAnimation(items);
        EXPECT_EQ(readBack(folder, file, items), std::nullopt) << items.size() << " items";
    }
}

TEST(ReadBack, EachKindOfDamageIsFoundAndNamed)
{
    const ItemList items = sample();
    const Bytes written = *writeAnimation(items);
    const std::size_t secondImage = payloadOffset(written, 1);
    struct Row
    {
        const char *name;
        std::function<void(Bytes &)> damage;
        std::string found;
    };
    const auto flip = [](std::size_t at) { return [at](Bytes &file) { file[at] ^= 0x01; }; };
    const std::string differs = "Read back after writing, item ";
    const Row rows[] = {
            {"code of the first item", flip(0), differs + "1 differs from the animation"},
            {"number of an item", flip(secondImage - 8), differs + "2 differs from the animation"},
            {"background byte", flip(10), differs + "1 differs from the animation"},
            // One byte longer still decodes; the next item then starts a byte late.
            {"size of an image", flip(secondImage - 4), differs + "3 differs from the animation"},
            {"chunk offset", flip(secondImage + 2), differs + "2 differs from the animation"},
            {"chunk pixel", flip(secondImage + 6), differs + "2 differs from the animation"},
            {"end chunk of an image", flip(payloadOffset(written, 2) - 15),
             differs + "2 differs from the animation"},
            {"pause amount", flip(payloadOffset(written, 2)),
             differs + "3 differs from the animation"},
            {"size of a sound", flip(payloadOffset(written, 3) - 4),
             differs + "4 differs from the animation"},
            {"code of the end", flip(payloadOffset(written, 4) - 10),
             differs + "5 differs from the animation"},
            {"cut inside a payload",
             [&](Bytes &file) { file.resize(payloadOffset(written, 3) + 1); },
             differs + "4 differs from the animation"},
            {"cut before an item",
             [&](Bytes &file) { file.resize(payloadOffset(written, 4) - 10); },
             "Read back after writing, it ends before item 5"},
            {"a byte more", [](Bytes &file) { file.push_back(0); },
             "Read back after writing, it holds more than the animation"},
    };
    test::TempFolder folder;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Bytes file = written;
        row.damage(file);
        EXPECT_EQ(readBack(folder, file, items), row.found);
    }
}

TEST(ReadBack, ComparesAcrossTheBlocksItReads)
{
    // Long enough to be read in several blocks, with a payload longer than a block and images
    // that cross from one block to the next.
    ItemList items = test::makeDocument(40);
    AnimItem sound = makeSoundItem(2);
    sound.Data.resize(1500000, 0x5A);
    sound.DataSize = static_cast<std::int32_t>(sound.Data.size());
    items.insert(items.begin() + 20, sound);
    for (int k = 0; k < 40; ++k) {
        test::FramePair all = test::makeScene(test::Scene::AllChanged, std::uint32_t(k + 1));
        items.insert(items.end() - 1, makeImageItem(all.frame));
    }
    const Bytes written = *writeAnimation(items);
    ASSERT_GT(written.size(), std::size_t(4) << 20);
    test::TempFolder folder;
    EXPECT_EQ(readBack(folder, written, items), std::nullopt);

    for (std::size_t at : {payloadOffset(written, 20) + 1400000, written.size() - 20}) {
        Bytes file = written;
        file[at] ^= 0x80;
        EXPECT_NE(readBack(folder, file, items), std::nullopt) << "byte " << at;
    }
}

// A long file is compared in two halves on two threads, the second starting where the bytes
// written put it: damage on either side is found, and a wrong start never lets a file pass.
TEST(ReadBack, TheTwoHalvesOfALongFileAreBothCompared)
{
    ItemList items = test::makeDocument(20);
    for (int k = 0; k < 160; ++k) {
        test::FramePair all = test::makeScene(test::Scene::AllChanged, std::uint32_t(k + 1));
        items.insert(items.end() - 1, makeImageItem(all.frame));
        if (k % 40 == 0)
            items.insert(items.end() - 1, makePauseItem(k));
    }
    const Bytes written = *writeAnimation(items);
    ASSERT_GT(written.size(), std::size_t(8) << 20) << "long enough to be shared out";
    test::TempFolder folder;
    const std::string path = folder.file("LONG.QLM");
    test::writeBytes(path, written);
    EXPECT_EQ(findReadBackDifference(path, items, written), std::nullopt);

    for (std::size_t item : {std::size_t(30), items.size() - 10}) {
        Bytes file = written;
        file[payloadOffset(written, item) + 5] ^= 0x40;
        test::writeBytes(path, file);
        EXPECT_EQ(findReadBackDifference(path, items, written),
                  "Read back after writing, item " + std::to_string(item + 1)
                          + " differs from the animation");
    }

    // Bytes "written" with a pause a byte longer early on: the second half would start a byte
    // off in the file.
    test::writeBytes(path, written);
    Bytes shifted = written;
    const std::size_t pause = 10; // the document's first pause, after its tenth image
    ASSERT_EQ(items[pause].Code, kCodePause);
    const std::size_t at = payloadOffset(written, pause);
    shifted[at - 4] += 1;
    shifted.insert(shifted.begin() + std::ptrdiff_t(at), 0);
    EXPECT_NE(findReadBackDifference(path, items, shifted), std::nullopt);
}

TEST(ReadBack, AnUnreadableFileIsSaid)
{
    test::TempFolder folder;
    const auto found = findReadBackDifference(folder.path() / "MISSING.QLM", sample());
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->starts_with("It could not be read back after writing: ")) << *found;
}

TEST(SaveAnimation, AFileThatReadsBackWrongReplacesNothing)
{
    test::TempFolder folder;
    const std::string path = folder.file("EANIM.QLM");
    const Bytes old{'o', 'l', 'd'};
    const Bytes older{'o', 'l', 'd', 'e', 'r'};
    test::writeBytes(path, old);
    test::writeBytes(path + ".bak", older);
    const ItemList items = sample();
    test::FailingFileSystem corrupting(test::SaveStep::CorruptWrite, std::errc{});
    corrupting.corruptOffset = payloadOffset(*writeAnimation(items), 1) + 6;

    const auto saved = saveAnimation(path, items, corrupting);

    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().text, "Could not save \"" + path
                                          + "\": Read back after writing, item 2 differs from "
                                            "the animation; the file was left as it was.");
    EXPECT_EQ(test::readBytes(path), old);
    EXPECT_EQ(test::readBytes(path + ".bak"), older);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM", "EANIM.QLM.bak"}));
    ASSERT_TRUE(saveAnimation(path, items)) << "the same save without the damage";
    EXPECT_TRUE(sameContent(*loadAnimation(path), items));
}
