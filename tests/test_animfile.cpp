// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "animbytes.h"
#include "document/animfile.h"
#include "document/framecodec.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <random>

using namespace tessa;
using namespace tessa::test;

namespace {

// One image of index 0 everywhere, then End.
const Bytes kSmallestFile{0x47, 0x52, 0x01, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x58,
                          0x58, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

Bytes firstImagePayload(std::uint8_t background)
{
    return Bytes{background, 0, 0, 0, 0, 0, 0};
}

Bytes roundTrip(const Bytes &file)
{
    auto items = readAnimation(file);
    EXPECT_TRUE(items.has_value()) << (items ? "" : items.error().text);
    if (!items)
        return {};
    auto written = writeAnimation(*items);
    EXPECT_TRUE(written.has_value());
    return written ? *written : Bytes{};
}

std::int32_t errorNumberOf(const Bytes &file)
{
    auto items = readAnimation(file);
    return items ? 0 : items.error().number;
}

} // namespace

TEST(ReadAnimation, SmallestFileOpensAndSavesByteForByte)
{
    auto items = readAnimation(kSmallestFile);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ(listLine((*items)[0]), "Image");
    EXPECT_EQ(listLine((*items)[1]), "End");
    EXPECT_EQ((*items)[0].Pixels, Bytes(kFrameSize, 0));
    EXPECT_EQ(roundTrip(kSmallestFile), kSmallestFile);
}

TEST(ReadAnimation, EmptyFileAndSingleByteHoldNoItems)
{
    for (const Bytes &file : {Bytes{}, Bytes{0x47}}) {
        auto items = readAnimation(file);
        ASSERT_TRUE(items);
        EXPECT_TRUE(items->empty());
    }
}

TEST(ReadAnimation, RefusesAFileThatDoesNotStartWithImageOne)
{
    const struct
    {
        const char *name;
        std::string code;
        std::int32_t number;
    } rows[] = {
            {"lower-case code", "gr", 1}, {"fade first", "FI", 1}, {"number 0", "GR", 0},
            {"number 2", "GR", 2},        {"end first", "XX", 1},
    };
    for (const auto &row : rows) {
        Bytes file;
        appendItem(file, row.code, row.number, firstImagePayload(0));
        auto items = readAnimation(file);
        ASSERT_FALSE(items) << row.name;
        EXPECT_EQ(items.error().text,
                  "Error: 9001\r\nDescription: Invalid file type.\r\nLocation: OpenAnim")
                << row.name;
        EXPECT_EQ(items.error().title, "Error");
        EXPECT_EQ(items.error().icon, Notice::Icon::Critical);
    }
    EXPECT_EQ(errorNumberOf(Bytes{'X', 'X'}), 9001) << "two bytes of a wrong code";
}

TEST(ReadAnimation, RefusesImagesThatDoNotDecode)
{
    const struct
    {
        const char *name;
        Bytes file;
    } rows[] = {
            {"first image without its background byte",
             [] {
                 Bytes f;
                 appendItem(f, "GR", 1, {});
                 return f;
             }()},
            {"first image with a negative size",
             [] {
                 Bytes f;
                 appendItem(f, "GR", 1, {}, -5);
                 return f;
             }()},
            {"type word 2",
             [] {
                 Bytes f;
                 appendItem(f, "GR", 1, firstImagePayload(0));
                 appendItem(f, "GR", 2, {2, 0, 0, 0, 0, 0});
                 return f;
             }()},
            {"chunk past the frame",
             [] {
                 Bytes f;
                 appendItem(f, "GR", 1, {0, 1, 0, 0xFF, 0xF9, 2, 0, 1, 1});
                 return f;
             }()},
            {"chunk past the payload",
             [] {
                 Bytes f;
                 appendItem(f, "GR", 1, {0, 1, 0, 0, 0, 9, 0, 1, 1});
                 appendItem(f, "XX", 2, {});
                 return f;
             }()},
    };
    for (const auto &row : rows) {
        auto items = readAnimation(row.file);
        ASSERT_FALSE(items) << row.name;
        EXPECT_EQ(items.error().text,
                  "Error: 9002\r\nDescription: Error preparing image entry.\r\nLocation: OpenAnim")
                << row.name;
    }
}

TEST(ReadAnimation, RefusesItemsThatRunPastTheEnd)
{
    Bytes valid;
    appendItem(valid, "GR", 1, firstImagePayload(0));
    const std::size_t secondAt = valid.size();

    const struct
    {
        const char *name;
        Bytes tail;
        const char *description;
    } rows[] = {
            {"code and half a number",
             {'P', 'A', 2, 0},
             "Item 2 at byte offset 17 runs past the end of the file."},
            {"header without size",
             {'P', 'A', 2, 0, 0, 0, 2, 0},
             "Item 2 at byte offset 17 runs past the end of the file."},
            {"size larger than the rest",
             {'P', 'A', 2, 0, 0, 0, 3, 0, 0, 0, 0x1E, 0},
             "Item 2 at byte offset 17 runs past the end of the file."},
            {"huge size",
             {'G', 'R', 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0},
             "Item 2 at byte offset 17 runs past the end of the file."},
    };
    ASSERT_EQ(secondAt, 17u);
    for (const auto &row : rows) {
        Bytes file = valid;
        file.insert(file.end(), row.tail.begin(), row.tail.end());
        auto items = readAnimation(file);
        ASSERT_FALSE(items) << row.name;
        EXPECT_EQ(items.error().number, 9004) << row.name;
        EXPECT_EQ(items.error().description, row.description) << row.name;
        EXPECT_EQ(items.error().location, "OpenAnim") << row.name;
    }

    Bytes firstCut{'G', 'R', 1, 0, 0, 0, 7, 0, 0, 0, 0};
    auto items = readAnimation(firstCut);
    ASSERT_FALSE(items);
    EXPECT_EQ(items.error().description, "Item 1 at byte offset 0 runs past the end of the file.");
}

TEST(ReadAnimation, RefusesFilesWhoseFramesWouldNotFitInMemory)
{
    // Ten bytes of file each, but a whole frame of memory each.
    Bytes file = kSmallestFile;
    file.resize(17); // the first image alone
    for (std::int32_t number = 2; number <= 4; ++number)
        appendItem(file, "GR", number, {});

    EXPECT_TRUE(readAnimation(file, 4 * kFrameSize)) << "exactly at the limit";
    auto refused = readAnimation(file, 4 * kFrameSize - 1);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().number, 9005);
    EXPECT_EQ(refused.error().location, "OpenAnim");
    EXPECT_EQ(refused.error().description,
              "The animation needs more memory than this computer can spare: item 4 at byte "
              "offset 37 would take its images past 0 MB.");
    EXPECT_GE(defaultFrameMemoryLimit(), 100u * kFrameSize) << "room for ordinary animations";
}

TEST(ReadAnimation, CarriesOtherItemsAlongUnchanged)
{
    Bytes file;
    appendItem(file, "GR", 1, firstImagePayload(0));
    appendItem(file, "PA", 7, {0x1E, 0x00});
    appendItem(file, "SD", 99, {0xFF, 0xFF});
    appendItem(file, "ZZ", -3, {1, 2, 3});
    appendItem(file, "FI", 0, {});
    appendItem(file, "PA", 6, {}, -4);
    appendItem(file, "PA", 6, {0xFF, 0xFF, 0xFF, 0xFF, 0x12});
    appendItem(file, "XX", 8, {});

    auto items = readAnimation(file);
    ASSERT_TRUE(items);
    std::vector<std::string> lines;
    for (const AnimItem &item : *items)
        lines.push_back(listLine(item));
    EXPECT_EQ(lines, (std::vector<std::string>{"Image", "Pause: 30", "Play sound: 65535", "",
                                               "Fade in", "Pause: 0", "Pause: -1", "End"}));
    EXPECT_EQ((*items)[5].DataSize, -4);

    // Numbers are only checked on the first item; saving renumbers 1, 2, 3, ...
    Bytes renumbered;
    appendItem(renumbered, "GR", 1, firstImagePayload(0));
    appendItem(renumbered, "PA", 2, {0x1E, 0x00});
    appendItem(renumbered, "SD", 3, {0xFF, 0xFF});
    appendItem(renumbered, "ZZ", 4, {1, 2, 3});
    appendItem(renumbered, "FI", 5, {});
    appendItem(renumbered, "PA", 6, {}, -4);
    appendItem(renumbered, "PA", 7, {0xFF, 0xFF, 0xFF, 0xFF, 0x12});
    appendItem(renumbered, "XX", 8, {});
    EXPECT_EQ(roundTrip(file), renumbered);
}

TEST(ReadAnimation, StrayBytesAfterTheLastItem)
{
    Bytes oneStray = kSmallestFile;
    oneStray.push_back(0x58);
    EXPECT_EQ(roundTrip(oneStray), kSmallestFile) << "a single stray byte is ignored";

    Bytes twoStray = kSmallestFile;
    twoStray.insert(twoStray.end(), {0x58, 0x58});
    EXPECT_EQ(errorNumberOf(twoStray), 9004) << "two bytes start another item";
}

TEST(ReadAnimation, LaterImagesBuildOnThePreviousFrame)
{
    Bytes file;
    appendItem(file, "GR", 1, {5, 1, 0, 0, 0, 1, 0, 7, 0, 0, 0, 0, 0, 0});
    appendItem(file, "FO", 2, {});
    appendItem(file, "GR", 3, {});
    appendItem(file, "GR", 4, {0, 0, 0, 0, 0, 0});
    appendItem(file, "GR", 5, {1, 0, 1, 0, 2, 0, 8, 8});
    auto items = readAnimation(file);
    ASSERT_TRUE(items);
    Bytes first(kFrameSize, 5);
    first[0] = 7;
    EXPECT_EQ((*items)[0].Pixels, first);
    EXPECT_EQ((*items)[2].Pixels, first) << "an empty payload repeats the previous image";
    EXPECT_EQ((*items)[3].Pixels, first) << "an end chunk alone repeats the previous image";
    Bytes last = first;
    last[1] = last[2] = 8;
    EXPECT_EQ((*items)[4].Pixels, last);
}

TEST(WriteAnimation, IdenticalImagesAndBackground)
{
    Bytes frame(kFrameSize, 5);
    frame[0] = 7;
    const ItemList items{makeImageItem(frame), makeImageItem(frame), makeEndItem()};
    auto written = writeAnimation(items);
    ASSERT_TRUE(written);
    Bytes expected;
    appendItem(expected, "GR", 1, {5, 1, 0, 0, 0, 1, 0, 7, 0, 0, 0, 0, 0, 0});
    appendItem(expected, "GR", 2, {0, 0, 0, 0, 0, 0});
    appendItem(expected, "XX", 3, {});
    EXPECT_EQ(*written, expected);
}

TEST(WriteAnimation, RefusesDocumentsItCannotWrite)
{
    EXPECT_FALSE(writeAnimation({makePauseItem(3), makeEndItem()})) << "no image first";
    EXPECT_FALSE(writeAnimation({makeImageItem(Bytes(100, 0)), makeEndItem()})) << "short frame";
    AnimItem broken = makeSoundItem(1);
    broken.DataSize = 9;
    EXPECT_FALSE(writeAnimation({makeImageItem(Bytes(kFrameSize, 0)), broken}))
            << "a payload shorter than its size would be read past its end";
    auto empty = writeAnimation({});
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
}

TEST(WriteAnimation, RandomDocumentsReadBackAsWritten)
{
    std::mt19937 random(99);
    for (int round = 0; round < 25; ++round) {
        ItemList items;
        Bytes frame(kFrameSize);
        for (auto &b : frame)
            b = static_cast<std::uint8_t>(random() % 3);
        const int count = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            const unsigned kind = i == 0 ? 0 : random() % 6;
            if (kind == 0 || kind == 1) {
                // Change a random rectangle-ish stretch and some scattered pixels.
                const std::size_t start = random() % kFrameSize;
                const std::size_t length = random() % 5000;
                for (std::size_t p = start; p < std::min<std::size_t>(start + length, kFrameSize);
                     ++p)
                    frame[p] = static_cast<std::uint8_t>(random());
                for (int s = 0; s < 50; ++s)
                    frame[random() % kFrameSize] = static_cast<std::uint8_t>(random());
                items.push_back(makeImageItem(frame));
            } else if (kind == 2) {
                items.push_back(makePauseItem(static_cast<std::int16_t>(random() % 256)));
            } else if (kind == 3) {
                items.push_back(makeSoundItem(static_cast<std::int16_t>(random() % 100)));
            } else if (kind == 4) {
                items.push_back(random() % 2 ? makeFadeInItem() : makeFadeOutItem());
            } else {
                AnimItem odd;
                odd.Code = "Q" + std::string(1, static_cast<char>('A' + random() % 26));
                odd.Data.resize(random() % 9);
                for (auto &b : odd.Data)
                    b = static_cast<std::uint8_t>(random());
                odd.DataSize = static_cast<std::int32_t>(odd.Data.size());
                items.push_back(odd);
            }
        }
        items.push_back(makeEndItem());

        auto written = writeAnimation(items);
        ASSERT_TRUE(written);
        auto reread = readAnimation(*written);
        ASSERT_TRUE(reread) << reread.error().text;
        ASSERT_TRUE(sameContent(*reread, items)) << "round " << round;
        auto again = writeAnimation(*reread);
        ASSERT_TRUE(again);
        EXPECT_EQ(*again, *written) << "round " << round;
    }
}

TEST(SaveAnimation, KeepsThePreviousFileAsBackup)
{
    test::TempFolder folder;
    const std::string path = folder.file("EANIM.QLM");
    const ItemList first{makeImageItem(Bytes(kFrameSize, 0)), makeEndItem()};
    const ItemList second{makeImageItem(Bytes(kFrameSize, 1)), makeEndItem()};
    const ItemList third{makeImageItem(Bytes(kFrameSize, 2)), makeEndItem()};

    ASSERT_TRUE(saveAnimation(path, first));
    EXPECT_EQ(test::readBytes(path), kSmallestFile);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM"})) << "no backup of nothing";

    ASSERT_TRUE(saveAnimation(path, second));
    EXPECT_EQ(test::readBytes(path + ".bak"), kSmallestFile);
    ASSERT_TRUE(saveAnimation(path, third));
    EXPECT_EQ(test::readBytes(path + ".bak"), *writeAnimation(second)) << "older backup replaced";
    EXPECT_EQ(test::readBytes(path), *writeAnimation(third));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"EANIM.QLM", "EANIM.QLM.bak"}));
}

TEST(LoadAnimation, UnreadableFileNamesPathAndReason)
{
    test::TempFolder folder;
    auto missing = loadAnimation(folder.file("missing.anim"));
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().text.find("missing.anim"), std::string::npos);
    EXPECT_NE(missing.error().text.find("No such file or directory"), std::string::npos);
}
