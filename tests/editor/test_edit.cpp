// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu: undo and redo, Copy and Paste, Duplicate, moving by menu and by dragging.
#include "editorfixture.h"

#include "editor/itemclipboard.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QTest>

using namespace tessa;
using namespace tessa::test;

namespace {

ItemList sample()
{
    return {makeImageItem(frameOf(1)), makePauseItem(30), makeImageItem(frameOf(2)),
            makeSoundItem(4), makeEndItem()};
}

} // namespace

TEST_F(EditorTest, UndoAndRedoNameTheCommandAndFollowTheSavedState)
{
    start();
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
    open(writeAnimation("UNDOANIM.QLM", sample()));
    EXPECT_FALSE(window->mnuEditUndo->isEnabled()) << "a file opens with a fresh history";

    select(1);
    window->mnuProjectDelete->trigger();
    EXPECT_TRUE(saveEnabled());
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Delete Item");
    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Pause: 30", "Image", "Play sound: 4", "End"}));
    EXPECT_EQ(selected(), 1) << "the item that came back is selected";
    EXPECT_FALSE(saveEnabled()) << "back at the state of the file";
    EXPECT_EQ(window->mnuEditRedo->text(), "&Redo Delete Item");
    window->mnuEditRedo->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "Play sound: 4", "End"}));
    EXPECT_TRUE(saveEnabled());

    window->mnuFileSave->trigger();
    EXPECT_FALSE(saveEnabled());
    window->mnuEditUndo->trigger();
    EXPECT_TRUE(saveEnabled()) << "undoing past a save is a change to the saved file";
    window->mnuEditRedo->trigger();
    EXPECT_FALSE(saveEnabled());

    // Every kind of edit is undone to the exact line text and payload.
    select(2);
    dialogs.answerInput(QStringLiteral("2.5"));
    window->mnuProjectEdit->trigger();
    EXPECT_EQ(lines()[2], "Play sound: 2.5");
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Edit Sound");
    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines()[2], "Play sound: 4");
    EXPECT_EQ(window->items()[2].Data, (Bytes{4, 0}));

    select(0);
    dialogs.answerOpen(writeBmp("nine.bmp", frameOf(9)));
    window->mnuProjectEdit->trigger();
    EXPECT_EQ(window->items()[0].Pixels, frameOf(9));
    window->mnuEditUndo->trigger();
    EXPECT_EQ(window->items()[0].Pixels, frameOf(1));
    const std::uint32_t one = window->paletteColors()[1];
    EXPECT_EQ(window->pic->pixmap().toImage().pixel(0, 0),
              qRgb(redOf(one), greenOf(one), blueOf(one)))
            << "the picture follows the undo";
}

TEST_F(EditorTest, ANewDocumentsFirstImageCannotBeUndone)
{
    start();
    newDocument(3);
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
    window->mnuProjectAdd[1]->trigger();
    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_FALSE(window->mnuEditUndo->isEnabled());
    EXPECT_TRUE(saveEnabled()) << "a new document stays unsaved";
}

TEST_F(EditorTest, MovingKeepsAnImageFirstAndEndLast)
{
    start();
    open(writeAnimation("MOVEANIM.QLM", sample()));
    select(1);
    EXPECT_FALSE(window->mnuEditMoveUp->isEnabled()) << "a pause may not come first";
    window->mnuEditMoveDown->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "Pause: 30", "Play sound: 4", "End"}));
    EXPECT_EQ(selected(), 2) << "the moved item stays selected";
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Move Down");
    select(3);
    EXPECT_FALSE(window->mnuEditMoveDown->isEnabled()) << "nothing goes past End";
    select(4);
    EXPECT_FALSE(window->mnuEditMoveUp->isEnabled()) << "End stays last";
    // Its key does nothing then, rather than move the selection as the plain arrow does.
    QTest::keyClick(window->lst, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(selected(), 4);
    select(1);
    window->mnuEditMoveUp->trigger();
    EXPECT_EQ(window->items()[0].Pixels, frameOf(2));
    EXPECT_EQ(window->items()[1].Pixels, frameOf(1));
    EXPECT_TRUE(saveEnabled());
    window->mnuEditUndo->trigger();
    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Pause: 30", "Image", "Play sound: 4", "End"}));
    EXPECT_FALSE(saveEnabled());
}

TEST_F(EditorTest, DraggingALineMovesItAsOneUndoableStep)
{
    start();
    open(writeAnimation("DRAGANIM.QLM", sample()));
    window->show(); // lays the lines out
    QAbstractItemModel *model = window->lst->model();
    const auto drag = [&](int from, int onto, bool lowerHalf = false) {
        std::unique_ptr<QMimeData> data(model->mimeData({model->index(from, 0)}));
        // Just inside the top edge of a line: in front of it; the bottom edge: after it.
        const QRect line = window->lst->visualRect(model->index(onto, 0));
        const QPoint at =
                lowerHalf ? line.bottomLeft() + QPoint(4, -1) : line.topLeft() + QPoint(4, 1);
        EXPECT_TRUE(window->lst->dropLine(data.get(), at));
    };
    drag(3, 1); // the sound, dropped on the pause, goes in front of it
    EXPECT_EQ(lines(), QStringList({"Image", "Play sound: 4", "Pause: 30", "Image", "End"}));
    EXPECT_EQ(selected(), 1);
    drag(1, 0); // a sound may not come first, and the user is told why
    EXPECT_FALSE(window->lblNote->isHidden());
    EXPECT_TRUE(window->lblNote->text().contains("only an image can go first"));
    drag(2, 4, true); // nor anything after End
    EXPECT_EQ(lines(), QStringList({"Image", "Play sound: 4", "Pause: 30", "Image", "End"}));
    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Pause: 30", "Image", "Play sound: 4", "End"}));
    EXPECT_FALSE(window->mnuEditUndo->isEnabled()) << "one drop, one step";
    EXPECT_EQ(window->items().size(), 5u);
}

TEST_F(EditorTest, CopyAndPasteBetweenTwoEditors)
{
    start();
    open(writeAnimation("FROMANIM.QLM", sample()));
    ScriptedDialogs otherDialogs;
    frm other(otherDialogs, paths);
    otherDialogs.answerOpen(
            writeAnimation("TOANIM.QLM", {makeImageItem(frameOf(5)), makeEndItem()}));
    other.mnuFileOpen->trigger();

    select(1);
    window->mnuEditCopy->trigger();
    ASSERT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(kItemMimeType));
    other.lst->setCurrentRow(0);
    EXPECT_FALSE(other.mnuEditPaste->isEnabled()) << "only an image may go before line 0";
    other.lst->setCurrentRow(1);
    ASSERT_TRUE(other.mnuEditPaste->isEnabled());
    other.mnuEditPaste->trigger();
    EXPECT_EQ(other.lst->lineText(1), "Pause: 30");
    EXPECT_EQ(other.items()[1].Data, (Bytes{30, 0}));
    EXPECT_EQ(other.lst->currentRow(), 2) << "pasted before the selected line, as Add does";

    // An image travels whole, and as a picture for other programs too.
    select(2);
    window->mnuEditCopy->trigger();
    const QImage picture =
            qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
    ASSERT_EQ(picture.size(), QSize(320, 200));
    EXPECT_EQ(picture.pixel(0, 0),
              qRgb(redOf(window->paletteColors()[2]), greenOf(window->paletteColors()[2]),
                   blueOf(window->paletteColors()[2])));
    other.lst->setCurrentRow(0);
    other.mnuEditPaste->trigger();
    EXPECT_EQ(other.items()[0].Pixels, frameOf(2));
    EXPECT_EQ(other.mnuEditUndo->text(), "&Undo Paste");

    // Something else on the clipboard, or a damaged item, offers nothing to paste.
    auto *damaged = new QMimeData;
    damaged->setData(kItemMimeType, QByteArray("TSI1GR"));
    QApplication::clipboard()->setMimeData(damaged);
    EXPECT_FALSE(other.mnuEditPaste->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("Pause: 30"));
    EXPECT_FALSE(other.mnuEditPaste->isEnabled());
}

TEST_F(EditorTest, DuplicatePutsTheCopyBeforeTheOriginal)
{
    start();
    open(writeAnimation("DUPANIM.QLM", sample()));
    select(0);
    window->mnuEditDuplicate->trigger();
    EXPECT_EQ(lines(),
              QStringList({"Image", "Image", "Pause: 30", "Image", "Play sound: 4", "End"}));
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(window->items()[0].Pixels, frameOf(1));
    select(5);
    EXPECT_FALSE(window->mnuEditDuplicate->isEnabled()) << "no second End";
}
