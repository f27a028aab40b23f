// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/itemrules.h"

#include <gtest/gtest.h>

using namespace tessa;

namespace {

// A document from one letter an item: I image, i fade in, o fade out, p pause, s sound,
// e end, z an unknown code.
ItemList itemsOf(std::string_view letters)
{
    ItemList items;
    for (char letter : letters) {
        switch (letter) {
        case 'I':
            items.push_back(makeImageItem(std::vector<std::uint8_t>(kFrameSize, 1)));
            break;
        case 'i':
            items.push_back(makeFadeInItem());
            break;
        case 'o':
            items.push_back(makeFadeOutItem());
            break;
        case 'p':
            items.push_back(makePauseItem(5));
            break;
        case 's':
            items.push_back(makeSoundItem(2));
            break;
        case 'e':
            items.push_back(makeEndItem());
            break;
        default:
            items.push_back(AnimItem{"ZZ", 0, 0, {}, {}});
            break;
        }
    }
    return items;
}

// Add Image, Fade In, Fade Out, Pause, Sound, then Edit, Delete, Move Up, Move Down, Duplicate.
std::string flags(const OfferedCommands &offered)
{
    std::string text;
    for (bool add : offered.add)
        text += add ? '1' : '0';
    text += ' ';
    for (bool on :
         {offered.edit, offered.remove, offered.moveUp, offered.moveDown, offered.duplicate})
        text += on ? '1' : '0';
    return text;
}

} // namespace

TEST(ItemRules, WhatIsOfferedAtEachLine)
{
    const struct
    {
        const char *items;
        int line;
        const char *offered;
    } rows[] = {
            {"Ie", -1, "00000 00000"},   {"Ie", 2, "00000 00000"},
            {"Ie", 0, "10000 10001"},    // first line: Add Image, Edit, Duplicate only
            {"Ie", 1, "11011 00000"},    // End: nothing moves, nothing deleted
            {"IIe", 0, "10000 10011"},   // an image below may come up to line 0
            {"IIe", 1, "11011 11101"},   // ... and the image at 1 may go up
            {"Ipe", 0, "10000 10001"},   // a pause may not come first
            {"Ipe", 1, "11011 11001"},   // nor go up to line 0; nor down past End
            {"Ipse", 1, "11011 11011"},  //
            {"Ipse", 2, "11011 11101"},  // the line before End never moves down
            {"Iipe", 2, "10111 11101"},  // after a fade in only a fade out
            {"Iioe", 2, "10111 01101"},  // the fade out still sees the fade in above
            {"Iioe", 1, "11011 01011"},  // duplicating a fade in needs a fade in offered
            {"Iiope", 3, "11011 11101"}, // after a fade out, a fade in again
            {"Ize", 1, "11011 01001"},   // an unknown code: not edited, but copied
            {"Iz", 1, "11011 00000"},    // a file without End: its last line stays last
            {"I", 0, "10000 10000"},     // a lone image is also the last line
    };
    for (const auto &row : rows)
        EXPECT_EQ(flags(offeredAt(itemsOf(row.items), row.line)), row.offered)
                << row.items << " at line " << row.line;
}

TEST(ItemRules, InsertingAndMoving)
{
    const ItemList items = itemsOf("Iipoe");
    const struct
    {
        int line;
        std::string_view code;
        bool allowed;
    } inserts[] = {
            {0, kCodeImage, true},   {0, kCodePause, false},   {0, kCodeFadeIn, false},
            {1, kCodeFadeIn, true},  {1, kCodeFadeOut, false}, {2, kCodeFadeIn, false},
            {2, kCodeFadeOut, true}, {4, kCodeFadeIn, true},   {4, "ZZ", true},
            {4, kCodeEnd, true},     {5, kCodeImage, false},   {-1, kCodeImage, false},
    };
    for (const auto &row : inserts)
        EXPECT_EQ(canInsertAt(items, row.line, row.code), row.allowed)
                << row.code << " before line " << row.line;

    const ItemList moving = itemsOf("IpIse");
    const struct
    {
        int from, to;
        bool allowed;
    } moves[] = {
            {2, 0, true}, {1, 0, false}, {0, 1, false}, {0, 3, false}, {3, 1, true},
            {1, 3, true}, {3, 4, false}, {4, 3, false}, {2, 2, false}, {-1, 2, false},
    };
    for (const auto &row : moves)
        EXPECT_EQ(canMove(moving, row.from, row.to), row.allowed) << row.from << " to " << row.to;

    EXPECT_TRUE(canMove(itemsOf("IIpe"), 0, 2)) << "another image comes up to line 0";

    // Dropping in front of a line below the dragged one lands one line higher.
    EXPECT_EQ(moveTarget(1, 4), 3);
    EXPECT_EQ(moveTarget(3, 1), 1);
    EXPECT_EQ(moveTarget(2, 3), 2) << "in front of its own successor: no move";
}

TEST(ItemRules, EveryRefusalSaysWhy)
{
    const ItemList items = itemsOf("IpIse");
    const struct
    {
        bool isDelete;
        int from, to;
        const char *reason; // a part of the text; "" for no refusal
    } rows[] = {
            {true, 1, 0, ""},
            {true, 0, 0, "the first image cannot be deleted"},
            {true, 4, 0, "The last line stays last"},
            {true, 7, 0, ""},
            {false, 2, 0, ""},
            {false, 1, 0, "only an image can go first"},
            {false, 0, 3, "the line after the first image is not one"},
            {false, 3, 4, "The last line stays last"},
            {false, 4, 1, "The last line stays last"},
            {false, 2, 2, ""},
            {false, -1, 2, ""},
    };
    for (const auto &row : rows) {
        const std::string reason = row.isDelete ? deleteRefusal(items, row.from)
                                                : moveRefusal(items, row.from, row.to);
        if (*row.reason == '\0')
            EXPECT_EQ(reason, "") << row.from << " to " << row.to;
        else
            EXPECT_NE(reason.find(row.reason), std::string::npos)
                    << row.from << " to " << row.to << ": " << reason;
    }
}

TEST(ItemRules, WhereTheScreenIsBlackAfterAFadeOut)
{
    const struct
    {
        const char *items;
        int line;
        std::optional<int> fadeOut;
    } rows[] = {
            {"Ie", 1, std::nullopt},
            {"Ipoe", 3, 2},             // after the demo's closing Fade Out
            {"Ipoe", 2, std::nullopt},  // before it: shown
            {"Ioipe", 4, std::nullopt}, // faded in again
            {"IoIpe", 4, 1},            // new images after a Fade Out stay black
            {"Ioe", 9, 1},              // a line past the end: as at the end
    };
    for (const auto &row : rows)
        EXPECT_EQ(fadedOutBefore(itemsOf(row.items), row.line), row.fadeOut)
                << row.items << " " << row.line;
}
