// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The document's history: every change undone and redone, in any order, to exactly the state
// before it, each item keeping its identity.
#include "editor/animdocument.h"

#include "document/itemrules.h"

#include <QAbstractItemModel>

#include <gtest/gtest.h>

#include <random>

using namespace tessa;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Snapshot
{
    ItemList items;
    QStringList lines;
    std::vector<ItemId> ids;
};

void expectState(const AnimDocument &document, const Snapshot &expected, bool modified,
                 const std::string &where)
{
    ASSERT_EQ(document.count(), int(expected.items.size())) << where;
    for (int i = 0; i < document.count(); ++i) {
        const AnimItem &have = document.item(i);
        const AnimItem &want = expected.items[std::size_t(i)];
        EXPECT_TRUE(sameContent(have, want) && have.DataSize == want.DataSize)
                << where << ": item " << i << " is " << have.Code << ", not " << want.Code;
    }
    EXPECT_EQ(document.lineTexts(), expected.lines) << where;
    // An item deleted and brought back, or inserted again by a redo, is the same item to
    // whoever keeps its id (a frame out in an image editor).
    for (int i = 0; i < document.count(); ++i) {
        EXPECT_EQ(document.itemId(i), expected.ids[std::size_t(i)]) << where << ": line " << i;
        EXPECT_EQ(document.lineOf(document.itemId(i)), i) << where << ": ids are unique";
    }
    EXPECT_EQ(document.model()->rowCount(), document.count()) << where;
    for (int i = 0; i < document.count(); ++i)
        ASSERT_EQ(document.model()->index(i, 0).data().toString(), expected.lines[i]) << where;
    EXPECT_EQ(document.isModified(), modified) << where;
    // The shape every change keeps.
    EXPECT_TRUE(document.item(0).isImage()) << where;
    EXPECT_EQ(document.items().back().Code, kCodeEnd) << where;
}

// One change allowed at a random line, made as the editor makes it; false when the line
// offered nothing that was drawn.
bool randomChange(AnimDocument &document, std::mt19937 &random)
{
    const int line = std::uniform_int_distribution<int>(0, document.count() - 1)(random);
    const OfferedCommands offered = offeredAt(document.items(), line);
    const auto value = [&](int top) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, top)(random));
    };
    switch (std::uniform_int_distribution<int>(0, 7)(random)) {
    case 0: { // an Add
        const int kind = value(4);
        if (!offered.add[std::size_t(kind)])
            return false;
        AnimItem item = kind == 0   ? makeImageItem(Bytes(kFrameSize, std::uint8_t(value(255))))
                        : kind == 1 ? makeFadeInItem()
                        : kind == 2 ? makeFadeOutItem()
                        : kind == 3 ? makePauseItem(value(255))
                                    : makeSoundItem(value(99));
        const QString text = QString::fromStdString(listLine(item)) + (kind >= 3 ? ".5" : "");
        document.insertItem(line, std::move(item), text, QStringLiteral("Add"));
        return true;
    }
    case 1: { // Edit
        if (!offered.edit)
            return false;
        AnimItem item = document.item(line);
        if (item.isImage())
            item.Pixels[std::uniform_int_distribution<std::size_t>(0, kFrameSize - 1)(random)] ^=
                    0xFF;
        else
            setPayloadValue(item, value(255));
        document.replaceItem(line, item, QString::fromStdString(listLine(item)) + "!",
                             QStringLiteral("Edit"));
        return true;
    }
    case 2:
        if (!offered.remove)
            return false;
        document.deleteItem(line);
        return true;
    case 3:
    case 4: {
        const int to = line + (value(1) == 0 ? -1 : 1);
        if (!canMove(document.items(), line, to))
            return false;
        document.moveItem(line, to, QStringLiteral("Move"));
        return true;
    }
    case 5: { // a drag to anywhere
        const int to = moveTarget(line, value(std::int16_t(document.count())));
        if (!canMove(document.items(), line, to))
            return false;
        document.moveItem(line, to, QStringLiteral("Move Item"));
        return true;
    }
    default:
        if (!offered.duplicate)
            return false;
        document.insertItem(line, document.item(line), document.lineText(line),
                            QStringLiteral("Duplicate"));
        return true;
    }
}

Snapshot snapshotOf(const AnimDocument &document)
{
    std::vector<ItemId> ids;
    for (int i = 0; i < document.count(); ++i)
        ids.push_back(document.itemId(i));
    return {document.items(), document.lineTexts(), ids};
}

} // namespace

TEST(AnimDocument, EveryChangeUndoesAndRedoesInAnyOrder)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        AnimDocument document;
        document.load({makeImageItem(Bytes(kFrameSize, 1)), makePauseItem(30), makeFadeInItem(),
                       makeImageItem(Bytes(kFrameSize, 2)), makeSoundItem(4), makeEndItem()},
                      QStringLiteral("/anim/EANIM.QLM"));
        std::vector<Snapshot> states{snapshotOf(document)};
        const int savedAt = std::uniform_int_distribution<int>(0, 40)(random);
        while (states.size() <= 40) {
            if (!randomChange(document, random))
                continue;
            states.push_back(snapshotOf(document));
            if (int(states.size()) - 1 == savedAt)
                document.markSaved(QStringLiteral("/anim/EANIM.QLM"));
        }
        // Saved at 0 is the file as opened.
        const auto modifiedAt = [&](int index) { return index != savedAt; };

        // All the way back to the file's items, and forward again.
        for (int index = 40; index > 0; --index) {
            ASSERT_TRUE(document.canUndo());
            document.undo();
            expectState(document, states[std::size_t(index - 1)], modifiedAt(index - 1),
                        "undone to " + std::to_string(index - 1));
        }
        EXPECT_FALSE(document.canUndo());
        for (int index = 1; index <= 40; ++index) {
            document.redo();
            expectState(document, states[std::size_t(index)], modifiedAt(index),
                        "redone to " + std::to_string(index));
        }
        // And back and forth at random.
        int index = 40;
        for (int step = 0; step < 60; ++step) {
            if (index > 0 && (index == 40 || random() % 2 == 0)) {
                document.undo();
                --index;
            } else {
                document.redo();
                ++index;
            }
            expectState(document, states[std::size_t(index)], modifiedAt(index),
                        "stepped to " + std::to_string(index));
        }
    }
}

TEST(AnimDocument, ANewDocumentKeepsItsFirstImageAndStaysUnsaved)
{
    AnimDocument document;
    document.startUntitled();
    EXPECT_EQ(document.lineTexts(), QStringList({"End"}));
    document.insertItem(0, makeImageItem(Bytes(kFrameSize, 3)), QStringLiteral("Image"),
                        QStringLiteral("Add Image"));
    document.finishUntitled();
    EXPECT_TRUE(document.isOpen());
    EXPECT_TRUE(document.isModified());
    EXPECT_FALSE(document.canUndo()) << "undoing the first image would leave no image first";

    document.insertItem(1, makeFadeInItem(), QStringLiteral("Fade in"), QStringLiteral("Add"));
    ASSERT_TRUE(document.canUndo());
    document.undo();
    EXPECT_FALSE(document.canUndo());
    EXPECT_TRUE(document.isModified()) << "never saved";
    EXPECT_EQ(document.lineTexts(), QStringList({"Image", "End"}));

    document.markSaved(QStringLiteral("/anim/NEWANIM.QLM"));
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.isUntitled());
    document.redo();
    EXPECT_TRUE(document.isModified());
    document.undo();
    EXPECT_FALSE(document.isModified()) << "back at the saved state";
}
