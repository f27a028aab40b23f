// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of each line, checked against the records of the file writeAnimation writes.
#include "animbytes.h"
#include "document/animfile.h"
#include "document/framecodec.h"
#include "document/itemcost.h"
#include "framescenes.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tessa;
using namespace tessa::test;

namespace {

std::size_t wordAt(const Bytes &bytes, std::size_t at)
{
    return bytes[at] | std::size_t(bytes[at + 1]) << 8;
}

Bytes written(const ItemList &items)
{
    auto bytes = writeAnimation(items);
    EXPECT_TRUE(bytes.has_value());
    return bytes ? *bytes : Bytes{};
}

// Every line's cost, asked of a cache, against the file.
void expectCostsOfTheSave(ItemCosts &costs, const ItemList &items, const std::string &what)
{
    const Bytes file = written(items);
    const std::vector<StoredRecord> records = storedRecords(file);
    ASSERT_EQ(records.size(), items.size()) << what;
    for (int line = 0; line < int(items.size()); ++line) {
        const StoredRecord &record = records[std::size_t(line)];
        EXPECT_EQ(costs.cost(items, line), (ItemCost{record.bytes, record.pixels, record.runs}))
                << what << ", line " << line;
    }
    EXPECT_EQ(costs.fileSize(items), file.size()) << what;
}

Bytes frameOf(std::uint8_t index)
{
    return Bytes(kFrameSize, index);
}

// Frame of `index` with a block of `other` over rows `top` to `top + rows - 1`, columns 10 to 29.
Bytes withBlock(std::uint8_t index, std::uint8_t other, int top, int rows)
{
    Bytes frame = frameOf(index);
    for (int y = top; y < top + rows; ++y)
        for (int x = 10; x < 30; ++x)
            frame[std::size_t(y * kFrameWidth + x)] = other;
    return frame;
}

} // namespace

TEST(MeasureFrame, CountsWhatTheEncoderWrites)
{
    for (Scene scene : kAllScenes) {
        const FramePair pair = makeScene(scene, 3);
        Bytes stream;
        encodeFrame(pair.frame, pair.reference, stream);
        const FrameChanges changes = measureFrame(pair.frame, pair.reference);
        EXPECT_EQ(changes.streamSize(), stream.size()) << sceneName(scene);
        // The stream read back chunk by chunk.
        std::size_t runs = 0, pixels = 0, at = 0;
        while (wordAt(stream, at) == 1) {
            ++runs;
            pixels += wordAt(stream, at + 4);
            at += 6 + wordAt(stream, at + 4);
        }
        EXPECT_EQ(changes.runs, runs) << sceneName(scene);
        EXPECT_EQ(changes.pixels, pixels) << sceneName(scene);
    }
}

TEST(ItemCost, EveryLineCostsWhatItsRecordTakesInTheFile)
{
    Bytes sound{5, 0, 7}; // a payload longer than its value needs
    AnimItem longSound = makeSoundItem(5);
    longSound.Data = sound;
    longSound.DataSize = 3;
    const struct
    {
        const char *name;
        ItemList items;
    } rows[] = {
            {"moving scenes with pauses", makeDocument(23)},
            {"a plain first image stores no pixel",
             {makeImageItem(frameOf(9)), makePauseItem(4), makeEndItem()}},
            {"a first image on its most frequent colour",
             {makeImageItem(withBlock(2, 7, 0, 5)), makeEndItem()}},
            {"unchanged images, fades and sounds between them",
             {makeImageItem(withBlock(1, 3, 20, 4)), makeFadeInItem(), makeSoundItem(2),
              makeImageItem(withBlock(1, 3, 20, 4)), longSound, makeFadeOutItem(),
              makeImageItem(withBlock(1, 4, 20, 4)), makeEndItem()}},
            {"every pixel changed, then every other",
             {makeImageItem(frameOf(0)), makeImageItem(frameOf(1)),
              makeImageItem(makeScene(Scene::Alternating).frame)}},
    };
    for (const auto &row : rows) {
        ItemCosts costs;
        costs.reset(row.items);
        expectCostsOfTheSave(costs, row.items, row.name);
    }
}

TEST(ItemCost, AFileThatCannotBeWrittenHasNoSize)
{
    ItemCosts costs;
    const ItemList endOnly{makeEndItem()};
    costs.reset(endOnly);
    EXPECT_FALSE(costs.fileSize(endOnly).has_value()) << "a new document before its first image";
    EXPECT_EQ(costs.cost(endOnly, 0).bytes, kItemHeaderSize);
    const ItemList none;
    costs.reset(none);
    EXPECT_EQ(costs.fileSize(none), 0u);
}

TEST(ItemCosts, EachChangeRecomputesAFewLinesAndAgreesWithTheSave)
{
    // Lines of the document below: images 0-9 on lines 0-9, a pause on 10, images 11-20, a
    // pause on 21, images 22-23 and End on 24.
    using Edit = std::function<void(ItemList &, ItemCosts &)>;
    const auto insert = [](int line, AnimItem item) -> Edit {
        return [=](ItemList &items, ItemCosts &costs) {
            items.insert(items.begin() + line, item);
            costs.inserted(items, line);
        };
    };
    const auto remove = [](int line) -> Edit {
        return [=](ItemList &items, ItemCosts &costs) {
            items.erase(items.begin() + line);
            costs.removed(items, line);
        };
    };
    const auto replace = [](int line, AnimItem item) -> Edit {
        return [=](ItemList &items, ItemCosts &costs) {
            items[std::size_t(line)] = item;
            costs.replaced(items, line);
        };
    };
    const auto move = [](int from, int to) -> Edit {
        return [=](ItemList &items, ItemCosts &costs) {
            AnimItem item = items[std::size_t(from)];
            items.erase(items.begin() + from);
            items.insert(items.begin() + to, item);
            costs.moved(items, from, to);
        };
    };
    const AnimItem newImage = makeImageItem(withBlock(0, 200, 50, 30));
    const auto steps = [](std::vector<Edit> edits) -> Edit {
        return [=](ItemList &items, ItemCosts &costs) {
            for (const Edit &edit : edits)
                edit(items, costs);
        };
    };
    const struct
    {
        const char *name;
        Edit edit;
        std::size_t mostComputed;
    } rows[] = {
            {"an image put in first", insert(0, newImage), 2},
            {"an image put in the middle", insert(5, newImage), 2},
            {"a pause put in before an image", insert(3, makePauseItem(2)), 2},
            {"an image put in after End", insert(25, newImage), 2},
            {"the first image taken out", remove(0), 2},
            {"an image taken out of the middle", remove(4), 2},
            {"the pause between two images taken out", remove(10), 2},
            {"the first image replaced", replace(0, newImage), 2},
            {"an image replaced", replace(7, newImage), 2},
            {"an image replaced by a pause", replace(7, makePauseItem(1)), 2},
            {"an image moved down", move(2, 6), 3},
            {"an image moved up", move(8, 3), 3},
            {"the first image moved down", move(0, 1), 3},
            {"an image moved to the top", move(3, 0), 3},
            {"a pause moved between images", move(10, 15), 3},
            {"several changes before the next question",
             steps({insert(0, newImage), move(1, 9), remove(3), replace(0, makeFadeInItem()),
                    remove(0)}),
             8},
    };
    for (const auto &row : rows) {
        ItemList items = makeDocument(24, 5);
        ItemCosts costs;
        costs.reset(items);
        ASSERT_TRUE(costs.fileSize(items).has_value());
        const std::size_t before = costs.computedLines();
        row.edit(items, costs);
        ASSERT_TRUE(costs.fileSize(items).has_value());
        EXPECT_LE(costs.computedLines() - before, row.mostComputed) << row.name;
        expectCostsOfTheSave(costs, items, row.name);
        const std::size_t after = costs.computedLines();
        costs.fileSize(items);
        EXPECT_EQ(costs.computedLines(), after) << row.name << ": answered from the cache";
    }
}

TEST(InsertionCost, IsWhatTheFileGrowsByWhereverTheItemsGo)
{
    const auto frame = [](std::uint8_t index, int stripe) {
        Bytes pixels(kFrameSize, index);
        std::fill_n(pixels.begin() + stripe * kFrameWidth, kFrameWidth * 20, std::uint8_t(9));
        return makeImageItem(pixels);
    };
    // A document with fades, pauses and a sound between its pictures, and a movie of three.
    const ItemList around{frame(1, 0),       makePauseItem(10), frame(1, 30), makeSoundItem(1),
                          makeFadeOutItem(), frame(2, 60),      makeEndItem()};
    const ItemList movie{frame(1, 5), makePauseItem(3), frame(3, 10), frame(2, 61)};
    for (int line = 1; line < int(around.size()); ++line) {
        ItemList joined = around;
        joined.insert(joined.begin() + line, movie.begin(), movie.end());
        const std::int64_t grown =
                std::int64_t(written(joined).size()) - std::int64_t(written(around).size());
        EXPECT_EQ(std::int64_t(insertionCost(around, line, movie)),
                  std::max<std::int64_t>(grown, 0))
                << "before line " << line;
    }
}
